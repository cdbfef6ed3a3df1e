// The map timer's tick, called by hand on the main window with the windows it reads: the
// projections against PROJ, the heading and the vessel symbol, the status bar, the overlay line,
// the track by fix quality, and settings texts that must not stop the map.

#include "navigation/MapTick.h"

#include "app/UMsg.h"
#include "canvas/DisplaySettings.h"
#include "canvas/OrvaltCanvas.h"
#include "devices/OrvaltNTRIPClient.h"
#include "devices/OrvaltSerialGPS.h"
#include "devices/uNTRIPSettings.h"
#include "navigation/Latency.h"
#include "navigation/NavigationState.h"
#include "navigation/RealtimeData.h"
#include "navigation/unavigation.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "tests/geodesy/ProjPeer.h"
#include "tests/navigation/RealtimeWindowSet.h"
#include "tests/support/TestEnvironment.h"
#include "tools/UGPS.h"
#include "tools/UShape.h"
#include "tools/unavset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace {

// ED50 on the International ellipsoid, local to WGS 84 (coordinate frame), as the settings
// window holds it: scale (ppm), rotations (arc-seconds), shifts (m).
const char* const kEd50[] = {"6378388", "0.0033670033670034", "-1.5",    "0.8", "0.3", "-0.6",
                             "-84.003", "-102.315",           "-129.879"};
const char* const kWgs84[] = {"6378137", "0.0033528106647474", "0", "0", "0", "0", "0", "0", "0"};
const std::string kToEd50 =
    "+proj=pipeline +step +proj=cart +ellps=WGS84 "
    "+step +inv +proj=helmert +convention=coordinate_frame +exact +s=-1.5 +rx=0.8 +ry=0.3 "
    "+rz=-0.6 +x=-84.003 +y=-102.315 +z=-129.879 +step +inv +proj=cart +ellps=intl";

constexpr double kMetresPerDegree = 111000;  // of latitude, roughly, for moving the vessel

// A GGA as a receiver sends it, with the position in degrees and minutes.
std::string Gga(double lat, double lon, int quality) {
    const auto field = [](double degrees, int width) {
        const double absolute = std::fabs(degrees);
        const int whole = static_cast<int>(absolute);
        char text[32];
        std::snprintf(text, sizeof text, "%0*d%09.6f", width, whole, (absolute - whole) * 60);
        return std::string(text);
    };
    return "$GPGGA,120000.00," + field(lat, 2) + (lat < 0 ? ",S," : ",N,") + field(lon, 3) +
           (lon < 0 ? ",W," : ",E,") + std::to_string(quality) + ",12,0.9,10.0,M,0.0,M,,\r\n";
}

class MapTickTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetShape("2", "10", "10", "100", "10");
        w_.navset.TrackDistance->setText("20");
        w_.main.fcad->ResizeClient(800, 600);
        w_.main.fcad->SetView(0, 1000, 1000, 0);
    }
    void SetDatum(const char* const (&values)[9]) {
        TLabeledEdit* edits[] = {w_.settings.edSMA, w_.settings.edIF, w_.settings.edPPM,
                                 w_.settings.edRX,  w_.settings.edRY, w_.settings.edRZ,
                                 w_.settings.edSX,  w_.settings.edSY, w_.settings.edSZ};
        for (int i = 0; i < 9; ++i) edits[i]->setText(values[i]);
    }
    void SetTransverseMercator(const char* cm) {
        w_.settings.cbUseLCCProjection->setChecked(false);
        w_.settings.edCM->setText(cm);
        w_.settings.edRL->setText("0");
        w_.settings.edSF->setText("1");
        w_.settings.edFE->setText("500000");
        w_.settings.edFN->setText("0");
    }
    void SetShape(const char* rings, const char* interval, const char* radius, const char* bow,
                  const char* side) {
        w_.shape.edAmount->setText(rings);
        w_.shape.edInterval->setText(interval);
        w_.shape.edRadious->setText(radius);
        w_.shape.edBArrow->setText(bow);
        w_.shape.edLArrow->setText(side);
    }
    void Tick(double lat, double lon, double height = 0) {
        CurrentLatitude = lat;
        CurrentLongitude = lon;
        CurrentHeight = height;
        w_.main.tMapTimer();
    }
    // A GGA through the receiver's component, then a tick.
    void TickAfterGga(double lat, double lon, int quality) {
        w_.main.ZGPS1->ReceiveBytes(Gga(lat, lon, quality));
        w_.main.tMapTimer();
    }
    std::vector<int> Shapes(const char* layer) const {
        return w_.main.fcad->GetLayerShapeIds(w_.main.fcad->FindLayerByName(layer));
    }

    TTestClock clock_{QDateTime(QDate(2024, 5, 6), QTime(8, 0))};
    TRealtimeWindowSet w_;
};

struct TProjectionCase {
    const char* legend;
    bool lambert, oneParallel;
    const char* fields[7];  // TM: cm rl k0 fe fn; Lambert: sp1 sp2 origin cm k0 fe fn
    std::string peer;       // PROJ on the local ellipsoid, from local latitude and longitude
};

// Grid position to 0.01 m and convergence against PROJ, for points over a survey area; only
// the fields of the projection under test are filled. The Transverse Mercator convergence is
// taken at the WGS 84 position on the local ellipsoid, so PROJ's is taken there too.
TEST_F(MapTickTest, ProjectionsAgreeWithProj) {
    const TProjectionCase cases[] = {
        {"Transverse Mercator",
         false,
         false,
         {"30", "0", "1", "500000", "0"},
         "+proj=tmerc +lon_0=30 +k_0=1 +x_0=500000 +ellps=intl"},
        {"Lambert, one standard parallel",
         true,
         true,
         {"", "", "40", "33", "0.9996", "600000", "200000"},
         "+proj=lcc +lat_1=40 +lat_0=40 +lon_0=33 +k_0=0.9996 +x_0=600000 +y_0=200000 "
         "+ellps=intl"},
        {"Lambert, two standard parallels",
         true,
         false,
         {"38", "42", "40", "33", "", "600000", "200000"},
         "+proj=lcc +lat_1=38 +lat_2=42 +lat_0=40 +lon_0=33 +x_0=600000 +y_0=200000 "
         "+ellps=intl"},
    };
    TProjPeer datum(kToEd50);
    w_.settings.GyroEnabled->setChecked(true);
    GyroHeading = 100;
    for (const TProjectionCase& c : cases) {
        SCOPED_TRACE(c.legend);
        SetDatum(kEd50);
        w_.settings.cbUseLCCProjection->setChecked(c.lambert);
        w_.settings.cLambert1->setChecked(c.oneParallel);
        TLabeledEdit* tm[] = {w_.settings.edCM, w_.settings.edRL, w_.settings.edSF,
                              w_.settings.edFE, w_.settings.edFN};
        TLabeledEdit* lcc[] = {w_.settings.eLCCSP1, w_.settings.eLCCSP2, w_.settings.eLCCCP,
                               w_.settings.eLCCM,   w_.settings.eLCCSF,  w_.settings.eLCCFE,
                               w_.settings.eLCCFN};
        for (int i = 0; i < 5; ++i) tm[i]->setText(c.lambert ? "" : c.fields[i]);
        for (int i = 0; i < 7; ++i) lcc[i]->setText(c.lambert ? c.fields[i] : "");
        w_.LoadGeodesy();
        TProjPeer projection(c.peer);
        TRandomPoints random(7);
        for (int i = 0; i < 20; ++i) {
            const double lat = random.Uniform(36, 42), lon = random.Uniform(29, 35);
            const double height = random.Uniform(-30, 60);
            Tick(lat, lon, height);
            const PJ_COORD local =
                datum.Forward(proj_torad(lon), proj_torad(lat), c.lambert ? height : 0);
            const PJ_COORD grid = projection.Forward(local.lpz.lam, local.lpz.phi);
            EXPECT_NEAR(CurrentEasting, grid.xy.x, 0.01) << lat << " " << lon;
            EXPECT_NEAR(CurrentNorthing, grid.xy.y, 0.01) << lat << " " << lon;
            const PJ_FACTORS factors =
                c.lambert ? projection.Factors(proj_todeg(local.lpz.phi), proj_todeg(local.lpz.lam))
                          : projection.Factors(lat, lon);
            EXPECT_NEAR(GridConvergence, -proj_todeg(factors.meridian_convergence), 1e-7);
            EXPECT_DOUBLE_EQ(VesselHeading, 100 + GridConvergence);
        }
    }
    EXPECT_EQ(w_.messages.Msg->toPlainText().toStdString(), "") << "nothing to report";
}

// One standard parallel at 45 degrees, central meridian 30: one degree east the grid north
// lies sin 45 degrees east of true north, so a true heading reads that much less on the grid.
TEST_F(MapTickTest, LambertConvergenceTurnsTheHeadingTheWayTheGridDoes) {
    SetDatum(kWgs84);
    w_.settings.cbUseLCCProjection->setChecked(true);
    w_.settings.cLambert1->setChecked(true);
    for (auto [edit, text] : {std::pair{w_.settings.eLCCCP, "45"},
                              {w_.settings.eLCCM, "30"},
                              {w_.settings.eLCCSF, "1"},
                              {w_.settings.eLCCFE, "0"},
                              {w_.settings.eLCCFN, "0"}}) {
        edit->setText(text);
    }
    w_.LoadGeodesy();
    Tick(45, 31);
    EXPECT_NEAR(GridConvergence, -0.7071, 1e-3);
    Tick(45, 29);
    EXPECT_NEAR(GridConvergence, 0.7071, 1e-3);
}

TEST_F(MapTickTest, VesselAlongTheHeadingAndTheStatusBar) {
    SetDatum(kWgs84);
    SetTransverseMercator("27");
    w_.LoadGeodesy();
    w_.settings.GyroEnabled->setChecked(true);
    GyroHeading = 90;
    w_.navset.VesselColor->SetSelected(0x0000C0);
    w_.navset.VesselWidth->setText("4");
    SetShape("3", "10", "5", "100", "8");
    Tick(-36.5, 27);  // on the central meridian the convergence is 0
    const double e = CurrentEasting, n = CurrentNorthing;
    EXPECT_NEAR(e, 500000, 1e-6);
    const std::vector<int> ids = w_.main.fcad->GetLayerShapeIds(VesselLayer);
    ASSERT_EQ(ids.size(), 8u) << "five lines and three rings";
    const double ends[5][4] = {{e, n, e + 100, n},
                               {e, n, e, n - 8},
                               {e, n, e, n + 8},
                               {e + 100, n, e, n - 8},
                               {e + 100, n, e, n + 8}};
    for (int i = 0; i < 5; ++i) {
        const TLineEnds line = w_.main.fcad->GetLineEnds(ids[i]);
        EXPECT_NEAR(line.X1, ends[i][0], 1e-6);
        EXPECT_NEAR(line.Y1, ends[i][1], 1e-6);
        EXPECT_NEAR(line.X2, ends[i][2], 1e-6);
        EXPECT_NEAR(line.Y2, ends[i][3], 1e-6);
        EXPECT_EQ(w_.main.fcad->GetShapeColor(ids[i]), 0x0000C0);
        EXPECT_EQ(w_.main.fcad->GetShapeLineWidth(ids[i]), 4);
    }
    EXPECT_NEAR((w_.main.fcad->ViewLeft + w_.main.fcad->ViewRight) / 2, e, 1e-6) << "followed";

    Tick(-36.5, 27.25);
    EXPECT_EQ(w_.main.StatusPanels[0]->text(), QString::fromUtf8("36°30'0.000\"S, 27°15'0.000\"E"));
    EXPECT_EQ(w_.main.StatusPanels[1]->text().toStdString(),
              GridPositionText(CurrentEasting, CurrentNorthing));
    EXPECT_EQ(w_.main.fcad->GetLayerShapeIds(VesselLayer).size(), 8u) << "redrawn, not added";
}

TEST_F(MapTickTest, SettingsTyposNeverStopTheMap) {
    SetDatum(kWgs84);
    SetTransverseMercator("30");
    w_.LoadGeodesy();
    Tick(40, 30);
    const double firstNorthing = CurrentNorthing;
    w_.shape.edInterval->setText("1O");
    w_.shape.edAmount->setText("2000000");
    w_.navset.TrackDistance->setText("2O");
    Tick(40.01, 30);
    EXPECT_GT(CurrentNorthing, firstNorthing + 1000) << "the grid position moves on";
    EXPECT_EQ(w_.main.fcad->GetLayerShapeIds(VesselLayer).size(), 5u + kMaxVesselRings);
    Tick(40.02, 30);
    EXPECT_EQ(w_.messages.Msg->toPlainText().toStdString(),
              "Vessel shape: Offset to next circle '1O' is not a number; the previous value is "
              "kept\n"
              "Vessel shape: Total number of circles 2000000 is more than 100; 100 rings are "
              "drawn\n"
              "Navigation settings: Track distance '2O' is not a number; the previous value is "
              "kept")
        << "each once";
}

// The projection is the one loaded at the start: unusable parameters are told then, the map
// goes on without a grid position, and mending them acts at the next start only.
TEST_F(MapTickTest, UnusableGeodesyIsReportedAndTheReadOutsGoOn) {
    SetDatum(kWgs84);
    SetTransverseMercator("");
    w_.LoadGeodesy();
    w_.settings.SensorEnabled->setChecked(true);
    SoundingDepth = 12.5;
    SpeedKnots = 6.5;
    Tick(40, 30);
    Tick(40.1, 30);
    EXPECT_EQ(w_.messages.Msg->toPlainText().toStdString(),
              "Geodetic parameters: TM Central Meridian '' is not a number; positions are not "
              "projected in this run");
    EXPECT_EQ(CurrentEasting, 0);
    EXPECT_FALSE(GeodeticParamsLoaded);
    EXPECT_EQ(w_.main.fcad->GetLayerShapeIds(VesselLayer).size(), 0u) << "no position yet";
    EXPECT_EQ(w_.main.fcad->SpeedKn, 6.5);
    EXPECT_EQ(w_.main.fcad->DepthHi, 12.5);
    w_.settings.edCM->setText("30");
    Tick(40, 30);
    EXPECT_EQ(CurrentEasting, 0) << "typed during the run";
    w_.LoadGeodesy();
    Tick(40, 30);
    EXPECT_NEAR(CurrentEasting, 500000, 1e-6);
    EXPECT_TRUE(GeodeticParamsLoaded);
    EXPECT_EQ(MapTMParameterString, "30 0 1 500000 0");
}

TEST_F(MapTickTest, OverlayLineAndBigNumbers) {
    SetDatum(kWgs84);
    SetTransverseMercator("30");
    w_.LoadGeodesy();
    w_.realtime.Speed->setText("9.7");
    w_.main.ZGPS1->ReceiveBytes(Gga(40, 30, 4));
    RtkAntennaHeight = 1.254;
    RtkTide = 0.4;
    SoundingDepth = 8.25;
    TrueDepthLo = 9.5;
    Tick(40, 30);
    EXPECT_EQ(GGAOverlayText, "RTK Fix | Spd: 9.7 kn | SV: 12 | Ant: 1.25 m | Tide: 0.40 m");
    EXPECT_EQ(w_.main.fcad->GGAOverlayText, GGAOverlayText);
    EXPECT_EQ(w_.main.fcad->CurrentFixQuality, 4);
    EXPECT_FALSE(w_.main.fcad->ShowDepth) << "the sounder is off";
    EXPECT_EQ(w_.realtime.LAntennaH->text(), "1.25");
    EXPECT_EQ(w_.realtime.Fixed->text(), "4");

    w_.settings.SensorEnabled->setChecked(true);
    w_.realtime.HideDepthFrameLo();
    EmptyGGA = true;
    Tick(40, 30);
    EXPECT_EQ(w_.main.fcad->GGAOverlayText, "*** EMPTY GGA - NO POSITION ***");
    EXPECT_TRUE(w_.main.fcad->EmptyGGA);
    EXPECT_EQ(w_.main.fcad->DepthHi, 8.25);
    EXPECT_EQ(w_.main.fcad->DepthLo, 0) << "the low-frequency frame is hidden";
    w_.realtime.ShowDepthFrameLo();
    EmptyGGA = false;
    w_.latency.show();
    Tick(40, 30);
    EXPECT_EQ(GGAOverlayText,
              "RTK Fix | Spd: 9.7 kn | SV: 12 | Ant: 1.25 m | Tide: 0.40 m | Depth: 8.25 m");
    EXPECT_EQ(w_.main.fcad->DepthLo, 9.5);
    EXPECT_EQ(w_.latency.eCurrentLatency->text(), "0") << "the test clock stands";
    EXPECT_EQ(w_.latency.eLatencyAveraged->text(), "0.0");
}

// The track follows the receiver's fix quality; a tick without a position draws nothing and
// does not seed the track.
TEST_F(MapTickTest, TrackByFixQuality) {
    SetDatum(kWgs84);
    SetTransverseMercator("30");
    w_.LoadGeodesy();
    w_.navset.ColorTracklines1->SetSelected(0x00AA00);
    w_.navset.ColorTracklines0->SetSelected(0xAA0000);
    w_.navset.TrackWidth->setText("3");
    w_.navset.cLineOrDot->setChecked(true);
    const auto north = [](double metres) { return 40 + metres / kMetresPerDegree; };
    w_.main.ZGPS1->ReceiveBytes("$GPGGA,120000.00,,,,,0,,,,M,,M,,\r\n");
    w_.main.tMapTimer();
    EXPECT_FALSE(w_.main.MapTick->Track().Last()) << "(0, 0) never seeds";
    TickAfterGga(north(0), 30, 4);
    TickAfterGga(north(5), 30, 4);
    EXPECT_TRUE(Shapes("track_fix").empty()) << "seeded, then too close";
    TickAfterGga(north(30), 30, 4);
    ASSERT_EQ(Shapes("track_fix").size(), 1u);
    const int line = Shapes("track_fix")[0];
    EXPECT_EQ(w_.main.fcad->GetShapeType(line), stLine);
    EXPECT_NEAR(w_.main.fcad->GetLineEnds(line).Y2 + 30, w_.main.fcad->GetLineEnds(line).Y1, 0.5);
    EXPECT_EQ(w_.main.fcad->GetShapeColor(line), 0x00AA00);
    EXPECT_EQ(w_.main.fcad->GetShapeLineWidth(line), 3);

    w_.navset.cLineOrDot->setChecked(false);
    const std::pair<int, const char*> qualities[] = {
        {5, "track_float"}, {2, "track_float"}, {3, "track_float"}, {1, "track_nofix"}};
    double at = 30;
    for (const auto& [quality, layer] : qualities) {
        SCOPED_TRACE(quality);
        const std::size_t before = Shapes(layer).size();
        TickAfterGga(north(at += 30), 30, quality);
        ASSERT_EQ(Shapes(layer).size(), before + 1);
        const int point = Shapes(layer).back();
        EXPECT_EQ(w_.main.fcad->GetShapeType(point), stPoint);
        EXPECT_EQ(w_.main.fcad->GetShapeColor(point), quality == 1 ? kRed : 0xAA0000);
    }
    const double beforeJump = CurrentNorthing;
    TickAfterGga(north(at += 1000), 30, 1);
    EXPECT_EQ(Shapes("track_nofix").size(), 1u) << "a jump draws nothing";
    w_.main.ZGPS1->ReceiveBytes("$GPGGA,120000.00,,,,,0,,,,M,,M,,\r\n");
    w_.main.tMapTimer();
    EXPECT_GT(CurrentNorthing, beforeJump + 900) << "no position keeps the last grid position";
    TickAfterGga(north(at += 30), 30, 1);
    EXPECT_EQ(Shapes("track_nofix").size(), 2u) << "the track goes on after the jump";
}

TEST_F(MapTickTest, TheCasterGetsOnlyRealPositions) {
    TfrmNTRIPSettings ntrip;
    frmNTRIPSettings = &ntrip;
    Tick(-33.5, -70.25, 12);
    Tick(0, 0);
    frmNTRIPSettings = nullptr;
    EXPECT_EQ(ntrip.Client->Position().Lat, -33.5);
    EXPECT_EQ(ntrip.Client->Position().Lon, -70.25);
    EXPECT_EQ(ntrip.Client->Position().Alt, 12);
}

// A label is a sounding's own: placed once, where it was recorded; a silent sounder leaves none.
TEST_F(MapTickTest, DepthLabelsOnlyForNewSoundingsAtTheirPosition) {
    SetDatum(kWgs84);
    SetTransverseMercator("30");
    w_.LoadGeodesy();
    ShowDepthLabels = true;
    DepthLabelSpacing = 5;
    SoundingDepth = 14.2;
    Tick(40, 30);
    EXPECT_TRUE(w_.main.fcad->GetSoundings().empty()) << "no sounding recorded";
    PendingDepthLabel = TDepthLabel{500010, 4427000, 14.2};
    Tick(40, 30);
    ASSERT_EQ(w_.main.fcad->GetSoundings().size(), 1u);
    EXPECT_EQ(w_.main.fcad->GetSoundings()[0].X, 500010);
    EXPECT_EQ(w_.main.fcad->GetSoundings()[0].Z, 14.2);
    EXPECT_EQ(w_.main.fcad->SoundingMinSpacing, 5);
    for (int i = 1; i <= 5; ++i) Tick(40 + i * 50 / kMetresPerDegree, 30);
    EXPECT_EQ(w_.main.fcad->GetSoundings().size(), 1u) << "the same depth is not labelled again";
    PendingDepthLabel = TDepthLabel{500012, 4427001, 14.3};
    Tick(40, 30);
    EXPECT_EQ(w_.main.fcad->GetSoundings().size(), 1u) << "closer than the spacing";
}

}  // namespace
