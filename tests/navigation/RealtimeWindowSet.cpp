#include "tests/navigation/RealtimeWindowSet.h"

#include "canvas/DisplaySettings.h"
#include "devices/OrvaltSerialGPS.h"
#include "navigation/NavigationState.h"
#include "platform/DataFolders.h"

namespace {

bool InitDayFolders() {
    InitDayFolderGlobals();
    return true;
}

void ResetNavigationState() {
    CurrentLatitude = CurrentLongitude = CurrentHeight = 0;
    CurrentEasting = CurrentNorthing = GridConvergence = VesselHeading = GyroHeading = 0;
    TrueDepthHi = TrueDepthLo = SoundingDepth = SpeedKnots = RtkAntennaHeight = RtkTide = 0;
    PendingDepthLabel.reset();
    ShownFixQuality = 0;
    EmptyGGA = false;
    FollowVessel = true;
    RealtimeRunning = false;
    RealtimeStartTick = 0;
    ShowDepthLabels = false;
}

}  // namespace

TRealtimeWindowSet::TRealtimeWindowSet() : dayFolders_(InitDayFolders()) {
    FNav = &main;
    FGPS = &settings;
    Navset = &navset;
    FShape = &shape;
    fRealtime = &realtime;
    FMsg = &messages;
    fLatency = &latency;
    fWaterfal = &waterfall;
    TFNav::CreateStandardLayers(main.fcad);
    settings.SensorEnabled->setChecked(false);
    ResetNavigationState();
}

void TRealtimeWindowSet::LoadGeodesy() {
    settings.StoreRunSettings();
    main.LoadRunGeodesy();
}

TRealtimeWindowSet::~TRealtimeWindowSet() {
    main.ZGPS1->Close();
    main.ZSENSOR->Close();
    FNav = nullptr;
    FGPS = nullptr;
    Navset = nullptr;
    FShape = nullptr;
    fRealtime = nullptr;
    FMsg = nullptr;
    fLatency = nullptr;
    fWaterfal = nullptr;
    ResetNavigationState();
}
