#include "navigation/EventMarks.h"

#include "platform/DateTimeText.h"
#include "platform/NumberFormat.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <climits>

namespace {

std::string Fixed2(double value) { return FloatToStrF(value, 20, 2); }

}  // namespace

std::string EventRecord(const TEventFields& f) {
    const std::string easting = f.position ? Fixed2(f.position->easting) : "";
    const std::string northing = f.position ? Fixed2(f.position->northing) : "";
    return "\r\nEvent No:" + IntToStr(f.number) + ",Date & Time:" + DateTimeToStr(f.time) +
           ",Easting:" + easting + ",Northing:" + northing + ",True Depth:" + f.depthHi +
           ",True Depth:" + f.depthLo + ",Heading:" + Fixed2(f.headingDeg);
}

int TEventNumbering::Next(int stored) {
    const int last = std::max(stored, lastGiven_);
    // Only a hand-edited file gets here; the number then stays rather than overflows.
    lastGiven_ = last < INT_MAX ? last + 1 : INT_MAX;
    return lastGiven_;
}

bool TEventNumbering::StoreFailed() {
    const bool news = !storeFailureReported_;
    storeFailureReported_ = true;
    return news;
}

bool AppendEventRecord(const std::string& path, const std::string& folder,
                       const std::string& record) {
    if (AppendFileBytes(path, record)) return true;
    // Only a missing folder is worth a second try: a write that failed part-way would be
    // written twice.
    if (DirectoryExists(folder) || !CreateDirectories(folder)) return false;
    return AppendFileBytes(path, record);
}
