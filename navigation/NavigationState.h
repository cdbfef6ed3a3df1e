#pragma once
// The navigation state: the process-wide values that the line handlers, the map timer and the
// echo-sounder handler write and the overlays, exports and event marks read. User-interface
// thread only. Units: degrees, metres, knots, m/s; ticks are GetTickCount() milliseconds.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

extern double CurrentLatitude;  // last GNSS position; a record takes it through CurrentPosition.h
extern double CurrentLongitude;
extern double CurrentHeight;
extern double CurrentEasting;  // grid position of the vessel at the last map tick
extern double CurrentNorthing;
extern double SpeedKnots;       // speed over ground from RMC or VTG
extern double GyroHeading;      // true heading of the last HDT sentence
extern double GridConvergence;  // at the vessel
extern double VesselHeading;    // drawing heading: heading plus grid convergence
extern double TrueDepthHi;      // reduced high- and low-frequency depths
extern double TrueDepthLo;
// The depth the survey logs record, the alarm tests and the panels, the big number and the map
// show: the high-frequency one, or the low-frequency one of a format that gives only that;
// 0 while no depth is shown (a failed line, the sounder's silence, real time stopped).
extern double SoundingDepth;
extern double DepthAlarmLevel;
extern bool NewDepthFlag;       // a sounder line came since the last echogram tick
extern double TransducerDraft;  // copies of the offsets window's values
extern double SoundVelocity;
extern double RtkPoleHeight;
extern double ManualTide;
extern double RtkAntennaHeight;  // antenna height of the last RTK-fixed GGA
extern double RtkTide;           // RtkAntennaHeight minus RtkPoleHeight
extern bool EmptyGGA;            // the last GGA carried no time or no position
extern int ShownFixQuality;      // fix quality whose colour the GPS box shows
extern int CurrentFixQuality;    // fix quality of the last map tick
extern std::string GGAOverlayText;
extern bool RealtimeRunning;
extern std::uint64_t RealtimeStartTick;  // 0 while stopped
extern std::uint64_t SensorOpenTick;     // 0 while the sounder port is not open
extern std::uint64_t LastSensorTick;     // 0 before the first sounder line
extern bool SensorTimeoutReported;
extern bool SensorWindowsShown;
extern bool FollowVessel;
extern bool GeodeticParamsLoaded;  // the run's projection is loaded
extern std::FILE* SurveyLogFile;   // open only while one sounder line is written
extern int GridLayer;              // ids of the standard layers
extern int VesselLayer;
extern int UserShapeLayer;

// A sounding recorded at a grid position and not yet labelled on the map: the next map tick
// labels it there, once.
struct TDepthLabel {
    double easting = 0, northing = 0, depth = 0;  // m
};
extern std::optional<TDepthLabel> PendingDepthLabel;

// The project or map file opened last; status panel 3 opens its folder.
extern std::string LastOpenedPath;

// The lasso: the next finished polygon selects track points (TrackLassoActive) or shapes of
// every layer (ShapeLassoActive); SelectionDeleted is set once the selection was deleted.
extern bool TrackLassoActive;
extern bool ShapeLassoActive;
extern bool SelectionDeleted;
