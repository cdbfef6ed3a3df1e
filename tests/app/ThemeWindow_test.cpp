// The theme window on the whole window set, offscreen: the list and its preview by mouse and by
// arrow key, the map and the program's own colours through style switches, Cancel, Save && Exit,
// the close button, and its captions in Turkish.

#include "tests/app/WindowSetFixture.h"

#include "app/StyleManager.h"
#include "app/uTheme.h"
#include "canvas/OrvaltCanvas.h"
#include "canvas/QPainterSurface.h"
#include "navigation/ControlColor.h"
#include "navigation/Latency.h"
#include "navigation/RealtimeData.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "tests/support/TestEnvironment.h"
#include "tools/UGPS.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace {

QColor WindowColor() { return QApplication::palette().color(QPalette::Window); }

// A style applied, and the new palette handed on to every widget, as the event loop does.
void SwitchStyle(const char* style) {
    ASSERT_TRUE(TStyleManager::TrySetStyle(style, false));
    QCoreApplication::processEvents();
}

// The share of the map's pixels in the colour: its background, between grid lines and labels.
double MapShare(const QColor& color) {
    const QImage map = FNav->fcad->grab().toImage();
    int same = 0;
    for (int y = 0; y < map.height(); ++y) {
        for (int x = 0; x < map.width(); ++x) same += map.pixelColor(x, y) == color;
    }
    return double(same) / (map.width() * map.height());
}

class ThemeWindowTest : public TWindowSetFixture {
protected:
    void SetUp() override {
        TWindowSetFixture::SetUp();
        ASSERT_TRUE(TStyleManager::TrySetStyle("Windows10 Dark", false));
        settings_ = ReadFileBytes(GetSettingsFilePath());
        FNav->themeSelection1->trigger();
        ASSERT_TRUE(fTheme->isVisible());
    }

    QString Selected() { return fTheme->lbThemeList->currentItem()->text(); }
    void ClickEntry(const QString& name) {
        QListWidget* list = fTheme->lbThemeList;
        QListWidgetItem* item = list->findItems(name, Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr) << name.toStdString();
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(item).center());
    }
    std::string StoredTheme() {
        return TIniFile(GetSettingsFilePath()).ReadString("APPLICATION", "ThemeStyle", "none");
    }

    std::string settings_;  // the settings file as it was before the window showed
};

TEST_F(ThemeWindowTest, ShowingListsTheStylesAndSelectsTheActiveOne) {
    QStringList shown;
    for (int i = 0; i < fTheme->lbThemeList->count(); ++i) {
        shown << fTheme->lbThemeList->item(i)->text();
    }
    EXPECT_EQ(shown, TStyleManager::StyleNames());
    EXPECT_EQ(shown.size(), 36);
    EXPECT_EQ(fTheme->lInfo->text(), "Available themes: 36. Select to preview.");
    EXPECT_EQ(Selected(), "Windows10 Dark");
    EXPECT_EQ(TStyleManager::ActiveStyleName(), "Windows10 Dark") << "the show previews nothing";
    EXPECT_EQ(ActiveStyleName, "Windows10 Dark");
    EXPECT_EQ(fTheme->bSaveExit->text(), "Save && Exit");
    EXPECT_EQ(fTheme->size(), QSize(320, 612));
    EXPECT_TRUE(fTheme->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(ThemeWindowTest, MouseAndArrowKeysPreviewAndCancelGoesBack) {
    SetControlColor(fRealtime->DepthFrameHi, kLime);
    const QColor dark = WindowColor();
    EXPECT_GT(MapShare(dark), 0.5) << "the map has the style's panel colour";

    ClickEntry("Carbon");
    EXPECT_EQ(TStyleManager::ActiveStyleName(), "Carbon");
    EXPECT_EQ(WindowColor(), QColor(0x26, 0x26, 0x26));
    EXPECT_GT(MapShare(WindowColor()), 0.5);
    QTest::keyClick(fTheme->lbThemeList, Qt::Key_Down);
    EXPECT_EQ(Selected(), "Charcoal Dark Slate");
    EXPECT_EQ(TStyleManager::ActiveStyleName(), "Charcoal Dark Slate");
    EXPECT_EQ(WindowColor(), QColor(0x2F, 0x33, 0x38));
    EXPECT_GT(MapShare(WindowColor()), 0.5);
    EXPECT_EQ(ControlColor(fRealtime->DepthFrameHi), kLime) << "the program's own colour stays";

    fTheme->bCancel->click();
    EXPECT_FALSE(fTheme->isVisible());
    EXPECT_EQ(TStyleManager::ActiveStyleName(), "Windows10 Dark");
    EXPECT_EQ(WindowColor(), dark);
    EXPECT_GT(MapShare(dark), 0.5);
    EXPECT_EQ(ReadFileBytes(GetSettingsFilePath()), settings_) << "not a byte changed";
}

TEST_F(ThemeWindowTest, SaveAndExitStoresTheLastPreviewForTheNextStart) {
    ClickEntry("Carbon");
    ClickEntry("Glow");
    fTheme->bSaveExit->click();
    EXPECT_FALSE(fTheme->isVisible());
    EXPECT_EQ(StoredTheme(), "Glow");
    EXPECT_EQ(TStyleManager::ActiveStyleName(), "Glow") << "the preview stays";

    ASSERT_TRUE(TStyleManager::TrySetStyle("Light", false));
    ApplyTheme(ReadStartupSettings(TIniFile(GetSettingsFilePath())).themeStyle);
    EXPECT_EQ(TStyleManager::ActiveStyleName(), "Glow");
}

TEST_F(ThemeWindowTest, SaveAndExitThatCannotWriteSaysSoAndStays) {
    ClickEntry("Carbon");
    // The settings file replaced by a folder: no rename can replace it.
    const std::string file = GetSettingsFilePath();
    QFile::remove(QString::fromStdString(file));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(file)));
    fTheme->bSaveExit->click();
    EXPECT_TRUE(fTheme->isVisible());
    EXPECT_EQ(dialogs_.messages, std::vector<QString>{"The settings could not be saved to \"" +
                                                      QString::fromStdString(file) + "\"."});
    QDir().rmdir(QString::fromStdString(file));
}

TEST_F(ThemeWindowTest, TheCloseButtonKeepsThePreviewAndStoresNothing) {
    ClickEntry("Carbon");
    fTheme->close();
    EXPECT_EQ(TStyleManager::ActiveStyleName(), "Carbon");
    EXPECT_EQ(ReadFileBytes(GetSettingsFilePath()), settings_);
}

TEST_F(ThemeWindowTest, CaptionsInTurkish) {
    FNav->Turkish1Click();
    EXPECT_EQ(fTheme->windowTitle(), QString::fromUtf8("Tema Seçimi"));
    EXPECT_EQ(fTheme->bCancel->text(), QString::fromUtf8("İptal"));
    EXPECT_EQ(fTheme->bSaveExit->text(), InTurkish("Save && Exit"));
    FNav->English1Click();
    EXPECT_EQ(fTheme->bSaveExit->text(), "Save && Exit");
}

// The program's own colour on a control, and the control whose text must read on it.
struct TColourCase {
    const char* legend;
    QWidget* (*control)();
    TColor color;
    QWidget* (*text)();
    QPalette::ColorRole role;
};

const TColourCase kOwnColours[] = {
    {"GPS box, fixed", []() -> QWidget* { return fRealtime->GPSGroupBox; }, kLime,
     []() -> QWidget* { return fRealtime->GPSGroupBox; }, QPalette::WindowText},
    {"GPS box, port lost", []() -> QWidget* { return fRealtime->GPSGroupBox; }, kRed,
     []() -> QWidget* { return fRealtime->Label1; }, QPalette::WindowText},
    {"high depth frame", []() -> QWidget* { return fRealtime->DepthFrameHi; }, kLime,
     []() -> QWidget* { return fRealtime->lDepthHi; }, QPalette::WindowText},
    {"low depth frame", []() -> QWidget* { return fRealtime->DepthFrameLo; }, kYellow,
     []() -> QWidget* { return fRealtime->lDepthLo; }, QPalette::WindowText},
    {"depth frame, alarm", []() -> QWidget* { return fRealtime->DepthFrameHi; }, kRed,
     []() -> QWidget* { return fRealtime->DepthFrameHi; }, QPalette::WindowText},
    {"GPS memo, connected", []() -> QWidget* { return FGPS->MemoGPS; }, kWhite,
     []() -> QWidget* { return FGPS->MemoGPS; }, QPalette::Text},
    {"latency box", []() -> QWidget* { return fLatency->gLatency; }, kLime,
     []() -> QWidget* { return fLatency->eCurrentLatency; }, QPalette::Text},
    {"Start button, running", []() -> QWidget* { return FNav->tRealtime; }, kGreen,
     []() -> QWidget* { return FNav->bRealtime; }, QPalette::ButtonText},
};

TEST_F(ThemeWindowTest, OwnColoursStayAndTheirTextsReadInEveryStyle) {
    for (const TColourCase& row : kOwnColours) {
        SCOPED_TRACE(row.legend);
        SwitchStyle("Light");
        SetControlColor(row.control(), row.color);
        for (const char* style : {"Light", "Windows10 Dark", "Carbon"}) {
            SCOPED_TRACE(style);
            SwitchStyle(style);
            EXPECT_EQ(ControlColor(row.control()), row.color);
            const TColor text = ToTColor(row.text()->palette().color(row.role));
            EXPECT_GE(ContrastRatio(text, row.color), 4.5) << std::hex << text;
        }
    }
    const QPalette memo = FGPS->MemoSensor->palette();
    EXPECT_EQ(memo.color(QPalette::Base), QColor(Qt::black)) << "lime on black, in Carbon too";
    EXPECT_EQ(memo.color(QPalette::Text), QColor(Qt::green));
}

TEST_F(ThemeWindowTest, StopGivesTheStartButtonBackToTheStyle) {
    SetControlColor(FNav->tRealtime, kGreen);
    ClearControlColor(FNav->tRealtime);
    ClickEntry("Carbon");
    QCoreApplication::processEvents();
    EXPECT_EQ(FNav->tRealtime->palette().color(QPalette::Window), WindowColor());
    EXPECT_EQ(FNav->bRealtime->palette().color(QPalette::ButtonText),
              QApplication::palette().color(QPalette::ButtonText));
}

TEST(ThemeWindowOnAFreshStart, WithNoStyleAppliedWindowsIsSelected) {
    if (TStyleManager::ActiveStyleName() != "Windows") {
        GTEST_SKIP() << "a style was applied earlier in this process";
    }
    TfTheme window;
    window.show();
    EXPECT_EQ(window.lbThemeList->currentItem()->text(), "Windows");
    EXPECT_EQ(ActiveStyleName, "Windows");
}

}  // namespace
