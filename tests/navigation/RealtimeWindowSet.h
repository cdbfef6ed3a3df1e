#pragma once
// The main window and the windows the real-time loop reads, each in its global as the program
// holds them, for the life of one test. The day folders are set before the main window creates
// them, and the navigation state the loop writes starts from zero with the sounder disabled.

#include "app/UMsg.h"
#include "navigation/Latency.h"
#include "navigation/RealtimeData.h"
#include "navigation/uCanvas.h"
#include "navigation/unavigation.h"
#include "tools/UGPS.h"
#include "tools/UShape.h"
#include "tools/unavset.h"

class TRealtimeWindowSet {
public:
    TRealtimeWindowSet();
    // Closes the ports before the windows go.
    ~TRealtimeWindowSet();
    TRealtimeWindowSet(const TRealtimeWindowSet&) = delete;
    TRealtimeWindowSet& operator=(const TRealtimeWindowSet&) = delete;

    // Stores the settings window's geodetic fields and loads the run's projection from them,
    // as a start of real time does.
    void LoadGeodesy();
    // Types WGS 84 and the Transverse Mercator zone of central meridian -15 with the southern
    // false northing into the settings window, without storing them.
    void TypeSouthernZone();

private:
    bool dayFolders_;

public:
    TFNav main;
    TFGPS settings;
    TNavset navset;
    TFShape shape;
    TfRealtime realtime;
    TFMsg messages;
    TfLatency latency;
    TfWaterfal waterfall;
};
