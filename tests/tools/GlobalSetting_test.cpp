// The settings window's tab "Global Setting" offscreen, with the main window's map and timers:
// each option acts at once, and texts that are not numbers stand for their defaults.

#include "tools/UGPS.h"

#include "canvas/DisplaySettings.h"
#include "canvas/OrvaltCanvas.h"
#include "platform/DataFolders.h"
#include "platform/TextFile.h"
#include "tests/tools/ColorChoice.h"
#include "tests/tools/MainWindowFixture.h"

#include <QTest>
#include <limits>

namespace {

constexpr int kLongestTimerMs = std::numeric_limits<int>::max();

class GlobalSettingTest : public TMainWindowFixture {
protected:
    // Pixels of the map's back buffer in this colour, after the pending rebuild.
    int PixelsOf(TColor color) {
        Map().UpdateBackBuffer();
        const QImage& image = Map().BackBuffer();
        const QRgb wanted = qRgb(RedOf(color), GreenOf(color), BlueOf(color));
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == wanted;
        }
        return count;
    }
};

TEST_F(GlobalSettingTest, NewUserStartsWithTheFormsValues) {
    TFGPS window;
    EXPECT_TRUE(window.cbGridVisible->isChecked());
    EXPECT_FALSE(window.cbAutoGrid->isChecked());
    EXPECT_EQ(window.edGridSpacingX->text(), "100");
    EXPECT_EQ(window.cbGridColor->Selected(), 0xC0C0C0);
    EXPECT_EQ(window.edDepthLabelFontName->text(), "Arial");
    EXPECT_EQ(window.cbEventLabelColor->Selected(), kRed);
    EXPECT_EQ(window.eScreenshotInterval->text(), "60");
    EXPECT_EQ(window.cbOverlayDepthColor->Selected(), 0x800000);
    EXPECT_EQ(window.LockStateCheck1->text(), "SAVE && LOCK SETTINGS");
    EXPECT_TRUE(Map().GridVisible);
    EXPECT_EQ(Map().GridSpacingX, 100);
    EXPECT_FALSE(Map().GridAutoSpacing) << "the spacings typed here are the ones drawn";
}

TEST_F(GlobalSettingTest, GridFollowsShowGridAndItsColourAtOnce) {
    TFGPS window;
    constexpr TColor kGreen = 0x008000;
    Choose(window.cbGridColor, kGreen);
    EXPECT_EQ(GridColor, kGreen);
    EXPECT_GT(PixelsOf(kGreen), 0) << "the map is drawn again in the new colour";
    QTest::mouseClick(window.cbGridVisible, Qt::LeftButton);
    EXPECT_FALSE(GridVisible);
    EXPECT_FALSE(Map().GridVisible);
    EXPECT_EQ(PixelsOf(kGreen), 0);
    QTest::mouseClick(window.cbGridVisible, Qt::LeftButton);
    EXPECT_GT(PixelsOf(kGreen), 0);
}

TEST_F(GlobalSettingTest, AutoScaleLetsTheMapChooseAndClearingItTakesTheEdits) {
    TFGPS window;
    window.edGridSpacingX->setText("50");
    window.edGridSpacingY->setText("abc");
    EXPECT_EQ(Map().GridSpacingX, 100) << "the spacings wait for Auto Scale or a save";
    QTest::mouseClick(window.cbAutoGrid, Qt::LeftButton);
    EXPECT_TRUE(AutoGrid);
    EXPECT_EQ(Map().GridSpacingX, 0);
    EXPECT_EQ(Map().GridSpacingY, 0);
    EXPECT_FALSE(window.edGridSpacingX->isEnabled() || window.edGridSpacingY->isEnabled());
    QTest::mouseClick(window.cbAutoGrid, Qt::LeftButton);
    EXPECT_EQ(Map().GridSpacingX, 50);
    EXPECT_EQ(Map().GridSpacingY, 100) << "a spacing that is no number stands for 100";
    EXPECT_TRUE(window.edGridSpacingX->isEnabled());
}

TEST_F(GlobalSettingTest, LabelAndOverlayOptionsActAtOnce) {
    TFGPS window;
    const struct {
        const char* legend;
        QLineEdit* edit;
        const char* text;
        const int* setting;
        int expected;
    } cases[] = {
        {"event font", window.edEventLabelFontSize, "30", &EventLabelFontSize, 30},
        {"event font no number", window.edEventLabelFontSize, "x", &EventLabelFontSize, 24},
        {"overlay font", window.edOverlayFontSize, "72", &OverlayFontSize, 72},
        {"overlay font no number", window.edOverlayFontSize, "", &OverlayFontSize, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        c.edit->setText(c.text);
        EXPECT_EQ(*c.setting, c.expected);
    }
    Choose(window.cbEventLabelColor, 0x00FF00);
    Choose(window.cbOverlayDepthColor, 0xFF0000);
    Choose(window.cbOverlaySpeedColor, 0x0000FF);
    EXPECT_EQ(EventLabelColor, 0x00FF00);
    EXPECT_EQ(OverlayDepthColor, 0xFF0000);
    EXPECT_EQ(OverlaySpeedColor, 0x0000FF);
    QTest::mouseClick(window.cbShowDepthLabels, Qt::LeftButton);
    EXPECT_FALSE(ShowDepthLabels);
}

TEST_F(GlobalSettingTest, ScreenshotIntervalSetsTheTimer) {
    TFGPS window;
    const struct {
        const char* text;
        int intervalMs;
        bool running;
    } cases[] = {
        {"15", 15000, true},
        {"0", 0, false},
        {"abc", 60000, true},
        {"-5", 0, false},
        {"99999999", kLongestTimerMs, true},  // 99,999,999,000 ms would wrap in 32 bits
        {"2147484", kLongestTimerMs, true},   // the first second past the longest interval
        {"2147483", 2147483000, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        window.eScreenshotInterval->setText(c.text);
        EXPECT_EQ(FNav->tScreenshot->interval(), c.intervalMs);
        EXPECT_EQ(FNav->tScreenshot->isActive(), c.running);
    }
}

TEST_F(GlobalSettingTest, MainWindowShowTakesTheIntervalAndGridOfTheSettingsWindow) {
    ASSERT_TRUE(WriteFileAtomically(GetSettingsFilePath(),
                                    "[SCREENSHOT]\r\nInterval=99999999\r\n"
                                    "[CANVAS]\r\nGridAutoScale=1\r\n"
                                    "[GRID_SETTINGS]\r\nGridSpacingX=25\r\n"));
    TFGPS window;
    window.eScreenshotInterval->setText("60");
    FGPS = &window;
    FNav->FormShow();
    EXPECT_EQ(window.eScreenshotInterval->text(), "99999999");
    EXPECT_EQ(FNav->tScreenshot->interval(), kLongestTimerMs);
    EXPECT_TRUE(FNav->tScreenshot->isActive());
    EXPECT_FALSE(Map().GridAutoSpacing) << "\"Auto Scale\" is clear";
    EXPECT_EQ(Map().GridSpacingX, 25);
    FGPS = nullptr;
}

}  // namespace
