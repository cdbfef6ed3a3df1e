#pragma once
// One tick of the main window's map timer: the latest GNSS state becomes the map picture.
//
// In this order: the position goes to the NTRIP window; the real-time window, the fix and the
// position overlay line are filled; the vessel shape is read; the position is projected through
// the run's projection (loaded at Start); the drawing heading, the follow, the vessel symbol,
// the status bar, the track point, the depth label, the big numbers and the latency follow.
//
// A settings text that is not a number never ends the tick: its previous value stays and it is
// reported once. A position that projects to nothing (none yet, latitude and longitude both 0,
// parameters not usable) keeps the last grid position: the map and the read-outs go on, but no
// track point is placed at a position that is not the vessel's. A depth label is placed only
// for a sounding recorded since the last one, at that sounding's own grid position, so a silent
// sounder or a lost position leaves no label behind.
//
// Nothing here grows with the track: the vessel layer is emptied and redrawn, layer pens are
// set only when they change, and at most one track point and one label are added.

#include "navigation/MapProjector.h"
#include "navigation/MapTickTexts.h"
#include "navigation/SettingNumberReader.h"
#include "navigation/TrackRule.h"
#include "navigation/VesselSymbol.h"

class TFNav;

class TMapTick {
public:
    void Run(TFNav& window);

    const TTrackRule& Track() const { return track_; }

private:
    void ShowRealtimePanel(const TFNav& window) const;
    void ShowOverlayLine(TFNav& window) const;
    void ReadSettings();
    bool Project(const TFNav& window);
    void Follow(TFNav& window) const;
    void DrawVessel(TFNav& window) const;
    void ShowStatusBar(TFNav& window) const;
    void AddTrackPoint(TFNav& window);
    static void AddDepthLabel(TFNav& window);
    void ShowBigNumbers(TFNav& window) const;
    void ShowLatency(double latencyMs);

    TVesselShapeReader vesselShape_;
    TSettingNumberReader navigationSettings_;
    // The navigation settings window's numbers as last read (its initial texts before).
    int vesselWidth_ = 2;
    int trackWidth_ = 2;
    double trackDistance_ = 20;  // m
    TTrackRule track_;
    TLatencyMean latency_;
};
