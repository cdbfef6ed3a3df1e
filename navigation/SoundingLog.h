#pragma once
// One echo-sounder line's way into the day's survey files, without windows: the record of the
// CSV survey log at the position current when it came, the row of the simple XYZ file, what the
// surveyor is told, and the lasting sign the main window shows until a sounding is logged
// right again.
//
// A record due is always written, so no depth is lost. Without a current position it leaves
// the position fields empty and reads GPS 0, and no XYZ row is written (that file has no
// quality column); the first such record of an outage is reported once. Its grid position is
// the projection of its own latitude and longitude, so the XYZ row takes the same one.

#include "navigation/CurrentPosition.h"
#include "navigation/NavigationState.h"
#include "navigation/SounderLine.h"
#include "navigation/SurveyLogWriter.h"

#include <QDateTime>
#include <optional>
#include <string>
#include <vector>

// The navigation state a record carries beside the line and the position.
struct TSoundingValues {
    QDateTime time;
    std::string format;           // the telegram format's name
    double rtkAntennaHeight = 0;  // m
    double manualTide = 0;
    double rtkTide = 0;
};

inline constexpr const char* kNoPositionReport =
    "No current GNSS position: soundings are logged without a position";
inline constexpr const char* kNoPositionSign = "No GNSS position";
inline constexpr const char* kLogNotWrittenSign = "Survey log not written: ";

struct TSoundingOutcome {
    std::vector<std::string> reports;  // what the surveyor should be told now
    // For a line with a record due: why it was not logged right, empty when it was. Nothing
    // for a line without one, which leaves the sign as it stands.
    std::optional<std::string> sign;
    std::optional<TDepthLabel> label;  // the depth to label on the map, at its grid position
};

class TSoundingLog {
public:
    TSoundingOutcome Record(const TSurveyFiles& files, const TSounderLine& line,
                            const std::optional<TCurrentPosition>& position,
                            const TSoundingValues& values);
    // A new run: its first sounding without a position is reported again.
    void Restart() { outageReported_ = false; }

private:
    TSurveyLogWriter writer_;
    bool outageReported_ = false;
};
