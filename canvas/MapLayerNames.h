#pragma once
// The names of every map layer the program itself makes or looks for. Projects store layers by
// name, so these never change; the map, the main window, the map timer, the lasso and the
// run-line window all find their layers through them.

// The store's fallback layer: a shape given a layer id that names nothing lands here.
inline constexpr char kDefaultLayerName[] = "Default";

// The main window's standard layers.
inline constexpr char kGridLayerName[] = "Orvalt Grid";
inline constexpr char kFixedTrackLayerName[] = "track_fix";    // RTK fixed
inline constexpr char kNoFixTrackLayerName[] = "track_nofix";  // no fix or a plain GPS fix
inline constexpr char kFloatTrackLayerName[] = "track_float";  // DGPS, PPS and RTK float
inline constexpr char kTempShapeLayerName[] = "orvalt_tempshape";
inline constexpr char kUserShapeLayerName[] = "orvalt_usershape";  // what the surveyor draws
inline constexpr char kEventNumberLayerName[] = "event_number";
inline constexpr char kVesselLayerName[] = "~~Orvalt Vessel";

// The route drawn for the run-line generator, the lines planned along it, and the lasso polygon.
inline constexpr char kRouteLayerName[] = "Orvalt_Route";
inline constexpr char kRunlineLayerName[] = "Orvalt_Runlines";
inline constexpr char kLassoLayerName[] = "Orvalt_SelectPoly";

// A DXF background drawing's layer: this prefix and the file's name with its extension.
inline constexpr char kDxfLayerPrefix[] = "_dxf_";

// The three track layers, one for each fix class.
inline constexpr const char* kTrackLayerNames[] = {kFixedTrackLayerName, kNoFixTrackLayerName,
                                                   kFloatTrackLayerName};

// Every layer the program keeps itself: the standard layers, the route, the run lines and the
// lasso polygon.
inline constexpr const char* kProgramLayerNames[] = {
    kGridLayerName,      kFixedTrackLayerName, kNoFixTrackLayerName,  kFloatTrackLayerName,
    kTempShapeLayerName, kUserShapeLayerName,  kEventNumberLayerName, kVesselLayerName,
    kRouteLayerName,     kRunlineLayerName,    kLassoLayerName};

// The tag of layers that hold what the surveyor drew or imported.
inline constexpr int kUserShapeTag = 15;
