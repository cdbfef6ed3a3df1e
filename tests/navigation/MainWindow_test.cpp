#include "navigation/unavigation.h"

#include "app/Translator.h"
#include "canvas/DisplaySettings.h"
#include "canvas/OrvaltCanvas.h"
#include "devices/OrvaltSerialGPS.h"
#include "navigation/NavigationState.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitDayFolderGlobals();
        const std::string folder = FreshTestPath("main-languages") + "/";
        QDir().mkpath(QString::fromStdString(folder));
        ASSERT_TRUE(WriteFileAtomically(folder + "tr.json",
                                        "{\"Start\": \"Ba\xC5\x9Flat\", \"Stop\": \"Durdur\"}"));
        Translator = std::make_unique<TTranslator>(folder);
    }
    void TearDown() override { Translator.reset(); }

    TIniFile Settings() { return TIniFile(GetSettingsFilePath()); }
    // The view rectangle the last run left behind.
    void StoreView(double left, double right, double top, double bottom) {
        TIniFile ini = Settings();
        ini.WriteFloat("CANVAS", "PlanWorldLeft", left);
        ini.WriteFloat("CANVAS", "PlanWorldRight", right);
        ini.WriteFloat("CANVAS", "PlanWorldTop", top);
        ini.WriteFloat("CANVAS", "PlanWorldBottom", bottom);
    }
};

TEST_F(MainWindowTest, CreationMakesTheDayFoldersAndBindsTheEvents) {
    TFNav window;
    for (const std::string& folder :
         {DayDir, DaySmkDir, LogDir, XyzDir, SvpDir, DayDir + "JPG", DayDir + "MP4"}) {
        SCOPED_TRACE(folder);
        EXPECT_TRUE(DirectoryExists(folder));
    }
    const TOrvaltSerialGPS& gps = *window.ZGPS1;
    EXPECT_TRUE(gps.OnConnect && gps.OnDisconnect && gps.OnIdle && gps.OnTimeout &&
                gps.OnNewCommand && gps.OnPosition3DChange && gps.OnSpeedChange && gps.OnSend);
    const TOrvaltSerialGPS& sensor = *window.ZSENSOR;
    EXPECT_TRUE(sensor.OnNewCommand);
    EXPECT_FALSE(sensor.OnConnect || sensor.OnDisconnect || sensor.OnIdle || sensor.OnTimeout ||
                 sensor.OnPosition3DChange || sensor.OnSpeedChange || sensor.OnSend);
    EXPECT_TRUE(window.fcad->OnWorldMouseDown && window.fcad->OnDrawEnd);
    EXPECT_EQ(window.bRealtime->text(), "Start");
    EXPECT_EQ(window.StatusPanels.size(), 7u);
    EXPECT_EQ(window.StatusPanels[4]->text(), "EN");
    EXPECT_FALSE(window.tMap->isActive());
    EXPECT_TRUE(window.tEchogram->isActive());
}

TEST_F(MainWindowTest, SavedTurkishAppliesAtCreation) {
    Settings().WriteString("SETTINGS", "Language", "tr");
    Settings().WriteString("OVERLAY_SETTINGS", "FontSize", "55");
    TFNav window;
    EXPECT_EQ(window.bRealtime->text(), QString::fromUtf8("Ba\xC5\x9Flat"));
    EXPECT_EQ(window.StatusPanels[4]->text(), "TR");
    EXPECT_EQ(OverlayFontSize, 55);
}

TEST_F(MainWindowTest, FirstShowCreatesTheStandardLayersInOrder) {
    TFNav window;
    window.show();
    const char* expected[] = {"Orvalt Grid",  "track_fix",        "track_nofix",
                              "track_float",  "orvalt_tempshape", "orvalt_usershape",
                              "event_number", "~~Orvalt Vessel"};
    const int first = window.fcad->FindLayerByName(expected[0]);
    ASSERT_NE(first, -1);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(expected[i]);
        EXPECT_EQ(window.fcad->FindLayerByName(expected[i]), first + i) << "created in order";
    }
    EXPECT_EQ(GridLayer, first);
    EXPECT_EQ(UserShapeLayer, first + 5);
    EXPECT_EQ(VesselLayer, first + 7);
    const size_t layerCount = window.fcad->Layers().size();
    EXPECT_EQ(window.windowTitle(), "Quellbay - ");
    window.show();
    EXPECT_EQ(window.fcad->Layers().size(), layerCount) << "a second show finds the layers";
}

TEST_F(MainWindowTest, FirstShowReadsTheViewAndScreenshotInterval) {
    StoreView(500000, 501000, 4101000, 4100000);
    TIniFile ini = Settings();
    ini.WriteInteger("CANVAS", "DepthSpeedDisplayMode", 2);
    ini.WriteInteger("SCREENSHOT", "Interval", 0);
    TFNav window;
    window.show();
    EXPECT_NEAR((window.fcad->ViewLeft + window.fcad->ViewRight) / 2, 500500, 1e-6);
    EXPECT_NEAR((window.fcad->ViewTop + window.fcad->ViewBottom) / 2, 4100500, 1e-6);
    EXPECT_EQ(window.fcad->BigNumberCorner, 2);
    EXPECT_FALSE(window.tScreenshot->isActive()) << "an interval of 0 switches screenshots off";
}

// The vessel's rings were drawn as ellipses: a 100 m square became about 102 by 59 pixels.
TEST_F(MainWindowTest, RestoredViewKeepsEqualScalesAtStartAndResize) {
    StoreView(500000, 500100, 4100100, 4100000);
    TFNav window;
    window.fcad->setFixedSize(776, 460);
    window.show();
    for (const QSize client : {QSize(776, 460), QSize(400, 700)}) {
        SCOPED_TRACE(client.width());
        window.fcad->setFixedSize(client);
        const TOrvaltCanvas& map = *window.fcad;
        ASSERT_EQ(map.ClientWidth(), client.width());
        EXPECT_NEAR(map.GetViewWidth() / client.width(), map.GetViewHeight() / client.height(),
                    1e-9);
        EXPECT_LE(map.ViewLeft, 500000) << "the stored view shows whole";
        EXPECT_GE(map.ViewTop, 4100100);
        EXPECT_NEAR((map.ViewLeft + map.ViewRight) / 2, 500050, 1e-6);
        EXPECT_NEAR((map.ViewTop + map.ViewBottom) / 2, 4100050, 1e-6);
    }
}

TEST_F(MainWindowTest, ClosingWritesThePlacementAndTheView) {
    {
        TFNav window;
        window.show();
        window.fcad->SetView(100, 300, 200, 200);
        window.close();
    }
    const TIniFile ini = Settings();
    EXPECT_TRUE(ini.ValueExists("FNav", "Width"));
    EXPECT_TRUE(ini.ValueExists("FNav", "WindowState"));
    const double left = ini.ReadFloat("CANVAS", "PlanWorldLeft", -1);
    const double right = ini.ReadFloat("CANVAS", "PlanWorldRight", -1);
    EXPECT_NEAR((left + right) / 2, 150, 1e-6);
    EXPECT_TRUE(ini.ValueExists("CANVAS", "GridAutoScale"));

    TFNav again;
    again.show();
    EXPECT_NEAR((again.fcad->ViewLeft + again.fcad->ViewRight) / 2, 150, 1e-6);
}

}  // namespace
