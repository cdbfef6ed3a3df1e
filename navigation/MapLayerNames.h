#pragma once
// The names of the map's standard layers. Projects store them, so they never change; the main
// window creates the layers and the map timer, the commands and the lasso find them by name.

inline constexpr char kGridLayerName[] = "Orvalt Grid";
inline constexpr char kFixedTrackLayerName[] = "track_fix";    // RTK fixed
inline constexpr char kNoFixTrackLayerName[] = "track_nofix";  // no fix or a plain GPS fix
inline constexpr char kFloatTrackLayerName[] = "track_float";  // DGPS, PPS and RTK float
inline constexpr char kTempShapeLayerName[] = "orvalt_tempshape";
inline constexpr char kUserShapeLayerName[] = "orvalt_usershape";
inline constexpr char kEventNumberLayerName[] = "event_number";
inline constexpr char kVesselLayerName[] = "~~Orvalt Vessel";

// The three track layers, one for each fix class.
inline constexpr const char* kTrackLayerNames[] = {kFixedTrackLayerName, kNoFixTrackLayerName,
                                                   kFloatTrackLayerName};

// Every layer the program keeps itself: the standard layers, the route, the run lines and the
// lasso polygon.
inline constexpr const char* kProgramLayerNames[] = {
    kGridLayerName,      kFixedTrackLayerName, kNoFixTrackLayerName,  kFloatTrackLayerName,
    kTempShapeLayerName, kUserShapeLayerName,  kEventNumberLayerName, kVesselLayerName,
    "Orvalt_Route",      "Orvalt_Runlines",    "Orvalt_SelectPoly"};

// The tag of layers that hold what the surveyor drew or imported.
inline constexpr int kUserShapeTag = 15;
