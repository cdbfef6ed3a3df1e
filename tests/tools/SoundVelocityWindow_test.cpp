// The sound-velocity window offscreen with the main window and the offsets window it reaches:
// its files and settings at creation, the tick, the steps as the buttons run them, the graph
// round trip, "Save && Close", and the XBT cast's broken tail cut away with the lasso.

#include "tools/USoundVelocity.h"

#include "app/Translator.h"
#include "navigation/ProjectCommandTexts.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"
#include "tests/tools/MainWindowFixture.h"
#include "tools/Bathymetry.h"
#include "tools/SoundVelocityFiles.h"
#include "tools/USVPGraph.h"

#include <QDir>
#include <QTimer>
#include <filesystem>

namespace {

using TLines = std::vector<std::string>;

const TLines kColumn = {"1500.20", "1500.75", "1501.30", "1501.85", "1502.18", "1502.40"};

class SoundVelocityWindowTest : public TMainWindowFixture {
protected:
    void SetUp() override {
        TMainWindowFixture::SetUp();
        Offsets = &offsets_;
        memoFolder_ = FreshTestPath("svp-memos") + "/";
        QDir().mkpath(QString::fromStdString(memoFolder_));
    }
    void TearDown() override {
        fSVP = nullptr;
        window_.reset();
        Offsets = nullptr;
        TMainWindowFixture::TearDown();
    }

    TfSVP& Window() {
        if (!window_) {
            window_ = std::make_unique<TfSVP>(nullptr, memoFolder_);
            fSVP = window_.get();
        }
        return *window_;
    }
    std::string Beside(const char* memo) const { return SvpMemoFilePath(memoFolder_, memo); }
    static void Write(const std::string& path, const std::string& bytes) {
        ASSERT_TRUE(WriteFileAtomically(path, bytes)) << path;
    }
    // A cast file in the test's folder, loaded through the "SVP" button.
    void LoadCast(const TLines& lines) {
        const std::string path = FreshTestPath("cast.txt");
        Write(path, JoinCrLf(lines));
        dialogs_.fileNames.push_back(QString::fromStdString(path));
        Window().BitBtn1Click();
    }
    static TLines SmallCast() {
        TLines cast = {"Time SV Pressure"};
        const char* pairs[] = {"1500.100,0.2", "1501.200,1.1", "1502.300,2.3",
                               "1503.400,3.4", "1349.990,3.9", "1503.600,3.2",
                               "1502.500,2.1", "1501.400,0.9", "1500.300,0.4"};
        for (const char* pair : pairs)
            cast.push_back(std::string("2024-05-06T10:11:12.000 ") + pair);
        return cast;
    }
    void RunSmallCast() {
        LoadCast(SmallCast());
        Window().eMaxDepth->setText("5");
        dialogs_.answers.push_back(TModalResult::OK);
        Window().bRawToSVVClick();
        Window().bSVVtoAveragedSVClick();
        Window().bAveragedSVtoSVPClick();
    }
    TIniFile Settings() const { return TIniFile(GetSettingsFilePath()); }

    TScriptedDialogs dialogs_;
    TOffsets offsets_;
    std::string memoFolder_;
    std::unique_ptr<TfSVP> window_;
};

TEST_F(SoundVelocityWindowTest, CreationPrefersTodaysCopyAndTicksOnlyOverAColumn) {
    Write(Beside("mRawSVData"), "older\r\n");
    Write(SvpDatedCopyPath("mRawSVData"), "today\r\n");
    Write(Beside("mSVPColumn"), JoinCrLf(kColumn));
    TIniFile ini = Settings();
    ini.WriteBool("SVP", "cUseSVP", true);
    ini.WriteString("SVP", "eMaxDepth", "5");
    ini.WriteBool("SVP", "rDFirst", true);
    TfSVP& window = Window();
    EXPECT_EQ(window.mRawSVData->Lines(), TLines{"today"});
    EXPECT_EQ(window.mSVPColumn->Lines(), kColumn);
    EXPECT_EQ(window.eMaxDepth->text(), "5");
    EXPECT_TRUE(window.rDFirst->isChecked());
    EXPECT_TRUE(window.cUseSVP->isChecked());
    EXPECT_FALSE(offsets_.SV->isEnabled());
    EXPECT_EQ(offsets_.bSVP->text(), "SVP Profile Used");
    EXPECT_FALSE(window.bSaveClose->isEnabled()) << "no column has passed the checks yet";
    EXPECT_TRUE(SoundVelocityProfileInUse());

    window_.reset();
    Write(Beside("mSVPColumn"), "  \r\n\r\n");
    EXPECT_FALSE(Window().cUseSVP->isChecked()) << "a blank column is not ticked";
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_EQ(SoundVelocityProfileColumn(), nullptr);
}

TEST_F(SoundVelocityWindowTest, TheTickCouplesTheOffsetsWindow) {
    TfSVP& window = Window();
    window.cUseSVP->click();
    EXPECT_FALSE(window.cUseSVP->isChecked());
    EXPECT_EQ(dialogs_.messages,
              std::vector<QString>{"SVP Column is empty. Please load or create an SVP profile "
                                   "first."});
    EXPECT_TRUE(offsets_.SV->isEnabled());
    EXPECT_EQ(offsets_.bSVP->text(), "Single SV Used");

    Translator->SetLanguage("tr");
    window.mSVPColumn->SetLines(kColumn);
    window.cUseSVP->click();
    EXPECT_EQ(offsets_.bSVP->text(), "Ses Hızı Profili Devrede");
    EXPECT_FALSE(offsets_.SV->isEnabled());
    ASSERT_NE(SoundVelocityProfileColumn(), nullptr);
    EXPECT_EQ(SoundVelocityProfileColumn()->LineCount(), kColumn.size());
    EXPECT_EQ(SoundVelocityProfileColumn()->Line(4), "1502.18");
    window.cUseSVP->click();
    EXPECT_EQ(offsets_.bSVP->text(), "Tek Ses Hızı Değeri");
    EXPECT_TRUE(offsets_.SV->isEnabled());
}

TEST_F(SoundVelocityWindowTest, StepsThroughTheButtons) {
    RunSmallCast();
    TfSVP& window = Window();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0],
              "Value exceeds SV range! Please correct 1349.99 value at line 6 in source file. "
              "This line will be skipped.");
    EXPECT_EQ(window.mRawSVExtracted->Lines().size(), 8u);
    EXPECT_EQ(window.mSVPColumn->Lines(), kColumn);
    EXPECT_TRUE(window.bSaveClose->isEnabled());

    // A refused pattern is told once and clears nothing.
    window.eSearchString->setText("%s%s%n");
    window.bRawToSVVClick();
    EXPECT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_TRUE(dialogs_.messages.back().contains("'%s%s%n'"));
    EXPECT_EQ(window.mSVPColumn->Lines(), kColumn);

    window.cUseSVP->click();
    window.eMaxDepth->setText("12001");
    window.bSVVtoAveragedSVClick();
    EXPECT_EQ(dialogs_.exceptions, std::vector<QString>{"'12001' is not a valid integer value"});
    EXPECT_TRUE(window.mSVPColumn->Blank()) << "cleared before N is read";
    EXPECT_FALSE(window.bSaveClose->isEnabled());
    EXPECT_TRUE(window.cUseSVP->isChecked()) << "the box stays ticked";
    EXPECT_EQ(SoundVelocityProfileColumn()->LineCount(), 0u);
    EXPECT_FALSE(SoundVelocityProfileInUse()) << "the report tells the single velocity";

    window.eMaxDepth->setText("5");
    window.mSortedAveragedSV->SetLines({"", "1,1501.00,1"});
    window.bAveragedSVtoSVPClick();
    EXPECT_TRUE(dialogs_.messages.back().startsWith("SV value at 0 depth cannot be blank."));
    EXPECT_FALSE(window.bSaveClose->isEnabled());
}

TEST_F(SoundVelocityWindowTest, GraphRoundTrip) {
    TfSVP& window = Window();
    window.bGraphClick();
    EXPECT_EQ(dialogs_.messages.back(), "No data to graph. Please process SVP data first.");
    RunSmallCast();
    int shown = 0;
    window.ShowGraph = [&](TfSVPGraph& graph) {
        ++shown;
        EXPECT_EQ(graph.Points.size(), 6u);
        graph.StringGrid1->item(5, 1)->setText("1510");
        return shown == 1 ? TModalResult::Cancel : TModalResult::OK;
    };
    window.bGraphClick();
    EXPECT_EQ(window.mSVPColumn->Lines(), kColumn) << "Cancel changes nothing";
    window.bGraphClick();
    EXPECT_EQ(window.mSortedAveragedSV->Lines().back(), "5,1510.00,0");
    EXPECT_TRUE(window.mSVPColumn->Blank());
    EXPECT_FALSE(window.bSaveClose->isEnabled());
    EXPECT_EQ(dialogs_.messages.back(), "Data updated. Please regenerate SVP Column.");
    EXPECT_EQ(fSVPGraph->parent(), &window) << "made once, owned by the window";
}

TEST_F(SoundVelocityWindowTest, SaveAndCloseWritesEverything) {
    RunSmallCast();
    TfSVP& window = Window();
    window.cUseSVP->click();
    window.show();
    window.bSaveClose->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(FileExists(AutomaticProjectPath()));
    EXPECT_EQ(ReadFileBytes(SvpDatedCopyPath("mSVPColumn")), JoinCrLf(kColumn));
    EXPECT_EQ(ReadFileBytes(Beside("mSVPColumn")), JoinCrLf(kColumn));
    EXPECT_EQ(ReadFileBytes(Beside("mRawSVData")), JoinCrLf(SmallCast()));
    EXPECT_TRUE(Settings().ReadBool("SVP", "cUseSVP", false));
    EXPECT_EQ(Settings().ReadString("SVP", "eMaxDepth", ""), "5");

    // A file where the day's SVP folder belongs keeps the window open with the reason.
    std::filesystem::remove_all(SvpDir);
    Write(SvpDir.substr(0, SvpDir.size() - 1), "in the way");
    window.show();
    dialogs_.messages.clear();
    window.bSaveClose->setEnabled(true);
    window.bSaveClose->click();
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(dialogs_.messages[0].contains("Not a directory"))
        << dialogs_.messages[0].toStdString();
    Main().Save1Click();
    EXPECT_TRUE(LastMessage.startsWith("Sound velocity files not saved: "))
        << LastMessage.toStdString();
}

TEST_F(SoundVelocityWindowTest, TheMainWindowsCloseStoresTheTick) {
    TfSVP& window = Window();
    window.mSVPColumn->SetLines(kColumn);
    window.cUseSVP->click();
    ASSERT_FALSE(Settings().ValueExists("SVP", "cUseSVP"));
    Main().close();
    EXPECT_TRUE(Settings().ReadBool("SVP", "cUseSVP", false));
}

TEST_F(SoundVelocityWindowTest, CastFilesThatAreNotLoaded) {
    TfSVP& window = Window();
    window.mRawSVData->SetLines({"kept"});
    const std::string huge = FreshTestPath("huge.csv");
    Write(huge, "");
    std::filesystem::resize_file(huge, kMaxSvpFileBytes + 1);  // sparse: no disk is used
    for (const std::string& path : {huge, TestTempFolder(), std::string("/dev/zero")}) {
        SCOPED_TRACE(path);
        dialogs_.fileNames.push_back(QString::fromStdString(path));
        window.BitBtn1Click();
        EXPECT_EQ(window.mRawSVData->Lines(), TLines{"kept"});
    }
    ASSERT_EQ(dialogs_.messages.size(), 3u);
    EXPECT_TRUE(dialogs_.messages[0].contains("256 MiB"));
    window.BitBtn1Click();  // cancelled
    EXPECT_EQ(dialogs_.messages.size(), 3u);
    EXPECT_EQ(dialogs_.fileRequests.back().filter, "Sound Velocity File [*.*] (*)");
}

TEST_F(SoundVelocityWindowTest, HeaderDetectionAndPresets) {
    TfSVP& window = Window();
    window.AutoDedetct1Click();
    EXPECT_EQ(dialogs_.messages.back(), "No data loaded. Please load a file first.");
    window.mRawSVData->SetLines({"no header here"});
    window.AutoDedetct1Click();
    EXPECT_EQ(dialogs_.messages.back(),
              "Could not find header line with SV and Pressure/Depth columns.\nPlease set search "
              "string manually.");
    window.mRawSVData->SetLines({"Time;Depth;SV", "10:00;1.0;1500"});
    window.AutoDedetct1Click();
    EXPECT_EQ(window.eSearchString->text(), "%*[^;];%lf;%lf");
    EXPECT_TRUE(window.rDFirst->isChecked());
    EXPECT_TRUE(dialogs_.messages.back().startsWith("Auto-detected format:\n- Header at line: 1"));
    window.eMaxDepth->setText("9");
    window.Defaults1Click();
    EXPECT_EQ(window.eSearchString->text(), "%*23s %lf,%lf");
    EXPECT_EQ(window.eMaxDepth->text(), "200");
    EXPECT_TRUE(window.rSVFirst->isChecked());
}

// The lasso round the points below 83 m, "Delete Selected" and "Save && Close", through the
// modal show the program uses.
TEST_F(SoundVelocityWindowTest, XbtBrokenTailCutWithTheLasso) {
    const std::string folder = RealDataFolder();
    if (folder.empty()) GTEST_SKIP() << "no real data";
    TSvpTextFile cast = ReadSvpTextFile(folder + "svp/python-ctd__XBT.EDF");
    ASSERT_TRUE(cast.read);
    std::ranges::replace(cast.lines, std::string("// Data"),
                         std::string("Time (sec)\tResistance (ohms)\tDepth (m)\tTemperature "
                                     "(°C)\tSound Velocity (m/s)"));
    LoadCast(cast.lines);
    TfSVP& window = Window();
    window.AutoDedetct1Click();
    EXPECT_TRUE(dialogs_.messages.back().contains("- Delimiter: TAB\n"));
    window.bRawToSVVClick();
    window.bSVVtoAveragedSVClick();
    QTimer::singleShot(0, &window, [] {
        TfSVPGraph& graph = *fSVPGraph;
        const int top = graph.DepthToY(83.5), bottom = graph.PlotBottom() + 5;
        const int left = graph.PlotLeft() - 5, right = graph.PlotRight() + 5;
        graph.PaintBox1MouseDown(Qt::LeftButton, left, top);
        for (const auto& [x, y] : {std::pair{right, top}, {right, bottom}, {left, bottom}}) {
            graph.PaintBox1MouseMove(x, y);
        }
        graph.PaintBox1MouseUp(Qt::LeftButton, left, bottom);
        EXPECT_EQ(graph.bDeleteSelected->text(), "Delete Selected (117)");
        graph.bDeleteSelected->click();
        graph.bSaveAndClose->click();
    });
    window.bGraphClick();
    EXPECT_EQ(window.mSortedAveragedSV->Lines().size(), 84u);
    window.bAveragedSVtoSVPClick();
    const TLines column = window.mSVPColumn->Lines();
    ASSERT_EQ(column.size(), 201u);
    const double line83 = std::stod(column[83]);
    for (std::size_t k = 84; k <= 200; ++k) {
        EXPECT_GE(std::stod(column[k]), line83) << k;
        EXPECT_LE(std::stod(column[k]), 1520.94) << k;
    }
}

}  // namespace
