#include "tools/Bathymetry.h"

#include "app/Translator.h"
#include "navigation/NavigationState.h"
#include "navigation/unavigation.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"
#include "tools/OffsetsReport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFocusEvent>

namespace {

const char* const kTitleEnglish = "\r\n\r\nQuellbay - offsets essential for post processing";
const char* const kTitleTurkish = "\r\n\r\nQuellbay - veri işleme için gerekli değerler";

class OffsetsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitDayFolderGlobals();
        const std::string folder = FreshTestPath("offsets-languages") + "/";
        QDir().mkpath(QString::fromStdString(folder));
        Translator = std::make_unique<TTranslator>(folder);
        main_ = std::make_unique<TFNav>();
        FNav = main_.get();
        // Real time itself is not started here: the test counts the clicks on its button.
        main_->bRealtime->setEnabled(true);
        QObject::connect(main_->bRealtime, &QToolButton::clicked, [this] { ++realtimeClicks_; });
        offsets_ = std::make_unique<TOffsets>();
        Offsets = offsets_.get();
    }
    void TearDown() override {
        Offsets = nullptr;
        FNav = nullptr;
        offsets_.reset();
        main_.reset();
        Translator.reset();
        RealtimeRunning = false;
    }

    // Entries that pass the check.
    void FillGoodEntries() {
        const char* texts[] = {"0.50", "3.00",    "2.50", "1530",
                               "1.25", "Harbour", "Orca", "E. Kaya"};
        for (std::size_t i = 0; i < kOffsetsFieldCount; ++i) {
            offsets_->Edit(static_cast<TOffsetsField>(i))->setText(texts[i]);
        }
    }

    TIniFile Settings() { return TIniFile(GetSettingsFilePath()); }

    TScriptedDialogs dialogs_;
    TTestClock clock_{QDateTime(QDate(2024, 5, 6), QTime(10, 11, 12, 130))};
    std::unique_ptr<TFNav> main_;
    std::unique_ptr<TOffsets> offsets_;
    int realtimeClicks_ = 0;
};

TEST_F(OffsetsWindowTest, EachShowReloadsTheStoredEntries) {
    TIniFile ini = Settings();
    ini.WriteString("ECHOSOUNDER_OFFSETS", "Offset A     ", "0.75");
    ini.WriteString("ECHOSOUNDER_OFFSETS", "SurveyLocation", "Harbour");
    offsets_->show();
    EXPECT_EQ(offsets_->OffsetA->text(), "0.75");
    EXPECT_EQ(offsets_->Location->text(), "Harbour");
    EXPECT_EQ(offsets_->SV->text(), "") << "a missing key gives an empty edit";
    EXPECT_EQ(offsets_->focusWidget(), offsets_->BitBtn1) << "no empty edit to leave";
    offsets_->OffsetA->setText("9.99");
    offsets_->BitBtn3Click();
    EXPECT_FALSE(offsets_->isVisible());
    offsets_->show();
    EXPECT_EQ(offsets_->OffsetA->text(), "0.75") << "Cancel does not store";
    offsets_->Timer1Timer();
    EXPECT_EQ(offsets_->time->text(), "2024-05-06 101112130");
}

TEST_F(OffsetsWindowTest, RealtimeReportsStoresStartsAndCloses) {
    offsets_->show();
    FillGoodEntries();
    offsets_->Timer1Timer();
    offsets_->BitBtn1Click();
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_FALSE(offsets_->isVisible());
    EXPECT_EQ(realtimeClicks_, 1);

    const TIniFile ini = Settings();
    EXPECT_EQ(ini.ReadSection("ECHOSOUNDER_OFFSETS"),
              (std::vector<std::string>{"Offset A", "Offset B", "Offset C", "SV", "Tide Height",
                                        "Time", "Surveyor", "SurveyBoat", "SurveyLocation"}));
    EXPECT_EQ(ini.ReadString("ECHOSOUNDER_OFFSETS", "Time", ""), "2024-05-06 101112130");
    EXPECT_EQ(ini.ReadString("ECHOSOUNDER_OFFSETS", "SurveyBoat", ""), "Orca");

    // A second run in Turkish appends its own block, in UTF-8.
    Translator->SetLanguage("tr");
    offsets_->show();
    offsets_->BitBtn1Click();
    const std::string report = ReadFileBytes(OffsetsReportFilePath());
    const std::string english = report.substr(0, report.find(kTitleTurkish));
    EXPECT_EQ(english.rfind(kTitleEnglish, 0), 0u);
    EXPECT_NE(english.find("\r\nTide Height.......................\t=1.25\r\n"), std::string::npos);
    EXPECT_EQ(report.substr(english.size()).rfind(kTitleTurkish, 0), 0u);
    EXPECT_TRUE(report.ends_with("\r\nÖlçen.......................................\t=E. Kaya"));
}

TEST_F(OffsetsWindowTest, RealtimeDoesNotStopRealTimeRunningWithTheButtonUp) {
    RealtimeRunning = true;  // after a failed GNSS open the button stays up
    offsets_->show();
    FillGoodEntries();
    offsets_->BitBtn1Click();
    EXPECT_EQ(realtimeClicks_, 0);
    EXPECT_FALSE(offsets_->isVisible());
    EXPECT_TRUE(FileExists(OffsetsReportFilePath()));
    EXPECT_EQ(Settings().ReadString("ECHOSOUNDER_OFFSETS", "Offset A", ""), "0.50");
}

TEST_F(OffsetsWindowTest, AnUnwritableReportIsToldAndTheSequenceCompletes) {
    CreateDataFolders();
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(OffsetsReportFilePath())));
    offsets_->show();
    FillGoodEntries();
    offsets_->BitBtn1Click();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(dialogs_.messages[0].contains(QString::fromStdString(OffsetsReportFilePath())));
    EXPECT_EQ(Settings().ReadString("ECHOSOUNDER_OFFSETS", "Surveyor", ""), "E. Kaya");
    EXPECT_EQ(realtimeClicks_, 1);
    EXPECT_FALSE(offsets_->isVisible());
}

TEST_F(OffsetsWindowTest, AFailedCheckStopsOnItsFieldBeforeReportAndSettings) {
    Translator->SetLanguage("tr");
    offsets_->show();
    FillGoodEntries();
    offsets_->Location->setText("");
    offsets_->OffsetC->setText("1.70");
    offsets_->BitBtn1Click();
    EXPECT_EQ(dialogs_.messages, std::vector<QString>{"Başarısız! Yer adı boş olamaz"});
    EXPECT_EQ(offsets_->focusWidget(), offsets_->Location);
    EXPECT_TRUE(offsets_->isVisible());
    EXPECT_TRUE(DirectoryExists(LogDir)) << "the folders are made before the check";
    EXPECT_FALSE(FileExists(OffsetsReportFilePath()));
    EXPECT_FALSE(Settings().SectionExists("ECHOSOUNDER_OFFSETS"));
    EXPECT_EQ(realtimeClicks_, 0);
}

TEST_F(OffsetsWindowTest, LeavingANumberEditWithBadTextComplainsAndTakesTheFocusBack) {
    offsets_->show();
    offsets_->OffsetB->setText("1,5");
    QFocusEvent toOtherWindow(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(offsets_->OffsetB, &toOtherWindow);
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialogs_.messages.empty()) << "another window taking the focus is no exit";

    QFocusEvent tabbedAway(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(offsets_->OffsetB, &tabbedAway);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs_.messages, std::vector<QString>{"'1,5' is not a valid floating point value"});
    EXPECT_EQ(offsets_->focusWidget(), offsets_->OffsetB);
    EXPECT_EQ(offsets_->OffsetB->text(), "1,5") << "the text stays for the surveyor to mend";

    offsets_->OffsetB->setText("1.5");
    offsets_->OffsetBExit();
    EXPECT_EQ(dialogs_.messages.size(), 1u);
}

TEST_F(OffsetsWindowTest, MainWindowShowsItAtFirstShowAndFromItsMenu) {
    main_->show();
    EXPECT_TRUE(offsets_->isVisible());
    offsets_->BitBtn3Click();
    ASSERT_TRUE(main_->OffsetsandValues1->isEnabled());
    main_->OffsetsandValues1->trigger();
    EXPECT_TRUE(offsets_->isVisible());
}

}  // namespace
