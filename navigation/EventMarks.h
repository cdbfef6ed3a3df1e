#pragma once
// Event marks without widgets: the record an event leaves in the day's events log, the number
// of the next event, and the append that brings a removed LOG folder back.
//
// The number of the last event lives in the settings file (EVENTS/"Event Number"), so it goes
// on across program runs and two instances on one file share a sequence. The numbering also
// remembers the last number it gave in this run: when the settings file cannot be written, the
// next event still gets a new number, and the surveyor hears of the failure once.

#include <QDateTime>
#include <optional>
#include <string>

// A point of the local grid: metres east and north.
struct TEventPosition {
    double easting = 0, northing = 0;
};

struct TEventFields {
    int number = 0;
    QDateTime time;
    std::optional<TEventPosition> position;  // none without a current position
    std::string depthHi, depthLo;            // the depth panels' texts as shown
    double headingDeg = 0;                   // VesselHeading
};

// "\r\nEvent No:<n>,Date & Time:<date time>,Easting:<E>,Northing:<N>,True Depth:<hi>,
// True Depth:<lo>,Heading:<heading>": easting, northing and heading with two decimals, the
// date and time in the events log's form; without a position Easting and Northing are empty.
// It begins with a line break and ends without one, as the events log's own records do.
std::string EventRecord(const TEventFields& fields);

class TEventNumbering {
public:
    // The number of the next event: one more than the stored number or the last one given in
    // this run, whichever is larger.
    int Next(int stored);
    // After a reset that was stored: the next event is 1 again.
    void Reset() { lastGiven_ = 0; }
    // Whether the failure to store `number` is news: true the first time after a success.
    bool StoreFailed();
    void StoreSucceeded() { storeFailureReported_ = false; }

private:
    int lastGiven_ = 0;
    bool storeFailureReported_ = false;
};

// Appends the record to the file; when that fails because `folder` is gone (a LOG folder
// removed during the survey), creates it with any missing parents and tries once more. False
// when the record could not be written.
bool AppendEventRecord(const std::string& path, const std::string& folder,
                       const std::string& record);
