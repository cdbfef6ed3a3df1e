#pragma once
// The texts of one sounding in the day's two survey files: the 18-field record of the CSV
// survey log (its header is SurveyLogHeader) and the row of the simple XYZ file.
//
// Numbers use "." whatever the locale: positions in degrees in general form, grid coordinates,
// depths, heights and velocities with two decimals. Lines are returned without their line end.
// A sounding without a current position leaves Lat, Lon, Easting and Northing empty; one whose
// position the run's projection cannot place leaves Easting and Northing empty.

#include "navigation/GridPoint.h"

#include <QDateTime>
#include <optional>
#include <string>

inline constexpr const char* kSimpleXyzHeader = "Easting,Northing,Elevation";

struct TSurveyRecord {
    QDateTime time;  // local time of the sounding
    struct TPosition {
        double latitude = 0, longitude = 0;  // degrees
        std::optional<TGridPoint> grid;      // m, the projection of that latitude and longitude
    };
    std::optional<TPosition> position;  // none without a current GNSS position
    double trueDepthHi = 0;             // m
    double trueDepthLo = 0;
    double rawDepthHi = 0;  // m, as the sounder sent them
    double rawDepthLo = 0;
    std::string format;        // the telegram format's name
    double soundVelocity = 0;  // m/s, the one used for the high-frequency depth
    double draft = 0;          // m, the draft the depths were reduced with
    int fixQuality = 0;
    double rtkAntennaHeight = 0;  // m
    double manualTide = 0;
    double rtkTide = 0;
};

// Date, Lat, Lon, Easting, Northing, Elevation (Hi), Elevation (Lo), True Depth (Hi),
// True Depth (Lo), Raw Depth (Hi), Raw Depth (Lo), Message Format, Sound Velocity,
// Transducer Draft, GPS, RTK Antenna Height, Manual Tide, RTK Tide; an elevation is the manual
// tide minus the true depth.
std::string SurveyLogRecord(const TSurveyRecord& record);

// Easting, Northing and the elevation (m), two decimals each.
std::string SimpleXyzRecord(double easting, double northing, double elevation);
