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

void TRealtimeWindowSet::TypeSouthernZone() {
    const std::pair<TLabeledEdit*, const char*> texts[] = {
        {settings.edSMA, "6378137"}, {settings.edIF, "0.0033528106647474"},
        {settings.edPPM, "0"},       {settings.edRX, "0"},
        {settings.edRY, "0"},        {settings.edRZ, "0"},
        {settings.edSX, "0"},        {settings.edSY, "0"},
        {settings.edSZ, "0"},        {settings.edCM, "-15"},
        {settings.edRL, "0"},        {settings.edSF, "0.9996"},
        {settings.edFE, "500000"},   {settings.edFN, "10000000"}};
    for (const auto& [edit, text] : texts) edit->setText(text);
    settings.cbUseLCCProjection->setChecked(false);
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
