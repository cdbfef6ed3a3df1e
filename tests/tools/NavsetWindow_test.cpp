#include "tools/unavset.h"

#include "canvas/OrvaltCanvas.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "tests/support/GlobalWindow.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/tools/ColorChoice.h"
#include "tests/tools/MainWindowFixture.h"
#include "tools/UShape.h"

#include <QDir>
#include <QTest>

namespace {

const char* const kTrackLayers[] = {"track_fix", "track_float", "track_nofix"};

class NavsetWindowTest : public TMainWindowFixture {
protected:
    int LayerWidth(const char* name) {
        return Map().GetLayerLineWidth(Map().FindLayerByName(name));
    }
};

TEST_F(NavsetWindowTest, FirstShowWithoutSettingsLoadsTheStoredDefaults) {
    TNavset window;
    EXPECT_EQ(window.VesselWidth->text(), "2") << "the form's own value before the first show";
    EXPECT_EQ(window.VesselColor->Selected(), 0x800000);
    window.show();
    EXPECT_EQ(window.VesselWidth->text(), "3");
    EXPECT_EQ(window.TrackWidth->text(), "3");
    EXPECT_EQ(window.TrackDistance->text(), "20");
    EXPECT_EQ(window.VesselColor->Selected(), kNavy);
    EXPECT_EQ(window.fcadColor->Selected(), kWhite);
    EXPECT_EQ(window.ColorTracklines1->Selected(), kGreen);
    EXPECT_EQ(window.ColorTracklines0->Selected(), kYellow);
    EXPECT_TRUE(window.cLineOrDot->isChecked());
    EXPECT_EQ(window.edDepthAlert1->text(), "1");
    EXPECT_EQ(window.eVesselUpdateRate->text(), "500") << "the update rate is not stored";
    EXPECT_EQ(LayerWidth("~~Orvalt Vessel"), 3) << "loading runs the change handlers";
    for (const char* layer : kTrackLayers) EXPECT_EQ(LayerWidth(layer), 3) << layer;
}

TEST_F(NavsetWindowTest, ClearedEditsTakeTheirFallbacksAndWidthsReachTheLayers) {
    TNavset window;
    window.TrackWidth->setText("5");
    for (const char* layer : kTrackLayers) EXPECT_EQ(LayerWidth(layer), 5) << layer;
    window.TrackWidth->clear();
    EXPECT_EQ(window.TrackWidth->text(), "2");
    for (const char* layer : kTrackLayers) EXPECT_EQ(LayerWidth(layer), 2) << layer;
    window.VesselWidth->setText("7");
    window.VesselWidth->clear();
    EXPECT_EQ(window.VesselWidth->text(), "2");
    EXPECT_EQ(LayerWidth("~~Orvalt Vessel"), 2);
    window.TrackDistance->clear();
    EXPECT_EQ(window.TrackDistance->text(), "1");
    window.edDepthAlert1->clear();
    EXPECT_EQ(window.edDepthAlert1->text(), "0");
}

TEST_F(NavsetWindowTest, UpdateRateSetsTheMapTimer) {
    TScriptedDialogs dialogs;
    TNavset window;
    const struct {
        const char* text;
        int intervalMs;
    } cases[] = {{"30", 50}, {"1000", 1000}, {"0", 50}, {"", 500}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        window.eVesselUpdateRate->setText(c.text);
        EXPECT_EQ(FNav->tMap->interval(), c.intervalMs);
    }
    window.eVesselUpdateRate->setText("100");
    window.UpDown4->Click(1);
    EXPECT_EQ(window.eVesselUpdateRate->text(), "150");
    EXPECT_EQ(FNav->tMap->interval(), 150) << "the arrows write the edit, which sets the timer";
    window.eVesselUpdateRate->setText("4990");
    window.UpDown4->Click(1);
    window.UpDown4->Click(1);
    EXPECT_EQ(window.eVesselUpdateRate->text(), "5000");
    window.eVesselUpdateRate->setText("abc");
    window.UpDown4->Click(-1);
    EXPECT_EQ(window.eVesselUpdateRate->text(), "4950") << "steps from the last position";
    dialogs.messages.clear();
    window.eVesselUpdateRate->setText("60000");
    EXPECT_EQ(FNav->tMap->interval(), 4950) << "a rate beyond the arrows' range is refused";
    EXPECT_EQ(dialogs.messages,
              (std::vector<QString>{"The update rate 60000 ms is too long: at most 5000 ms"}));
}

TEST_F(NavsetWindowTest, TextThatIsNoWholeNumberIsReportedAndChangesNothing) {
    TScriptedDialogs dialogs;
    TNavset window;
    window.TrackWidth->setText("4");
    window.eVesselUpdateRate->setText("300");
    window.TrackWidth->setText("4x");
    window.eVesselUpdateRate->setText("3OO");
    EXPECT_EQ(LayerWidth("track_fix"), 4);
    EXPECT_EQ(FNav->tMap->interval(), 300);
    EXPECT_EQ(dialogs.exceptions, (std::vector<QString>{"'4x' is not a valid integer value",
                                                        "'3OO' is not a valid integer value"}));
}

TEST_F(NavsetWindowTest, ChosenColoursGoToTheMapAtOnce) {
    TNavset window;
    const int vessel = Map().FindLayerByName("~~Orvalt Vessel");
    const int shape = Map().AddLine(0, 0, 10, 10, vessel);
    Choose(window.VesselColor, 0x0000FF);
    EXPECT_EQ(Map().GetLayerColor(vessel), 0x0000FF);
    EXPECT_EQ(Map().GetShapeColor(shape), 0x0000FF);
    Choose(window.fcadColor, 0x808000);
    EXPECT_EQ(Map().BackgroundColor, 0x808000);
    const TColor before = Map().BackgroundColor;
    window.fcadColor->SetSelected(0xFFFFFF);
    EXPECT_EQ(Map().BackgroundColor, before) << "loading a colour does not apply it";
}

TEST_F(NavsetWindowTest, WithoutTheMapOrItsLayersOnlyTheEditsChange) {
    TNavset window;
    TGlobalWindow<TFNav> unshown(FNav);  // its standard layers are made at its first show
    const size_t layers = unshown->fcad->Layers().size();
    window.VesselWidth->setText("9");
    window.TrackWidth->setText("9");
    Choose(window.VesselColor, 0x0000FF);
    EXPECT_EQ(unshown->fcad->Layers().size(), layers) << "no layer is made on the way";
    EXPECT_EQ(unshown->fcad->FindLayerByName("~~Orvalt Vessel"), -1);
    FNav = nullptr;
    window.VesselWidth->setText("8");
    Choose(window.fcadColor, 0x0000FF);
    window.eVesselUpdateRate->setText("700");
    EXPECT_EQ(window.VesselWidth->text(), "8");
}

TEST_F(NavsetWindowTest, ClosingStoresTheSectionAndTheNextShowLoadsIt) {
    {
        TNavset window;
        window.show();
        window.TrackWidth->setText("6");
        window.TrackDistance->setText("35");
        window.ColorTracklines1->SetSelected(0x008000);
        window.fcadColor->SetSelected(0x123456);
        window.cLineOrDot->setChecked(false);
        window.edDepthAlert1->setText("2.5");
        window.close();
    }
    const TIniFile ini(GetSettingsFilePath());
    EXPECT_EQ(ini.ReadSection("NAVIGATION_SETTINGS").size(), 9u);
    EXPECT_TRUE(ini.ValueExists("Navset", "Left")) << "the placement is stored too";
    TNavset again;
    again.show();
    EXPECT_EQ(again.TrackWidth->text(), "6");
    EXPECT_EQ(again.TrackDistance->text(), "35");
    EXPECT_EQ(again.ColorTracklines1->Selected(), 0x008000);
    EXPECT_EQ(again.fcadColor->Selected(), 0x123456) << "a colour not in the list is kept";
    EXPECT_FALSE(again.cLineOrDot->isChecked());
    EXPECT_EQ(again.edDepthAlert1->text(), "2.5");
}

// A close that hid the window after a failed save lost the edits at the next show.
TEST_F(NavsetWindowTest, FailedSaveIsReportedAndTheWindowStaysOpen) {
    TScriptedDialogs dialogs;
    TNavset window;
    window.show();
    window.TrackDistance->setText("35");
    // The settings file replaced by a folder: no rename can replace it.
    const std::string file = GetSettingsFilePath();
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(file)));
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.TrackDistance->text(), "35");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              "The settings could not be saved to \"" + QString::fromStdString(file) + "\".");
    QDir().rmdir(QString::fromStdString(file));
    window.close();
    EXPECT_FALSE(window.isVisible()) << "once the file can be written";
}

TEST_F(NavsetWindowTest, ToolsMenuShowsTheNavigationAndVesselShapeWindows) {
    TGlobalWindow<TNavset> navset(Navset);
    TGlobalWindow<TFShape> shape(FShape);
    for (auto [item, window] : {std::pair<QAction*, QWidget*>{FNav->NavigationSettings1, &*navset},
                                {FNav->VesselShape1, &*shape}}) {
        SCOPED_TRACE(item->text().toStdString());
        EXPECT_TRUE(item->isEnabled());
        item->trigger();
        EXPECT_TRUE(window->isVisible());
    }
}

}  // namespace
