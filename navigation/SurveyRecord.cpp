#include "navigation/SurveyRecord.h"

#include "platform/DateTimeText.h"
#include "platform/NumberFormat.h"

#include <initializer_list>

namespace {

std::string Fixed2(double value) { return FloatToStrF(value, 20, 2); }

std::string Joined(std::initializer_list<std::string> fields) {
    std::string line;
    for (const std::string& field : fields) line += field + ',';
    line.pop_back();
    return line;
}

}  // namespace

std::string SurveyLogRecord(const TSurveyRecord& r) {
    const auto& at = r.position;
    const TGridPoint* grid = at && at->grid ? &*at->grid : nullptr;
    return Joined({DateTimeToStr(r.time), at ? FloatToStr(at->latitude) : "",
                   at ? FloatToStr(at->longitude) : "", grid ? Fixed2(grid->easting) : "",
                   grid ? Fixed2(grid->northing) : "", Fixed2(r.manualTide - r.trueDepthHi),
                   Fixed2(r.manualTide - r.trueDepthLo), Fixed2(r.trueDepthHi),
                   Fixed2(r.trueDepthLo), FloatToStr(r.rawDepthHi), FloatToStr(r.rawDepthLo),
                   r.format, Fixed2(r.soundVelocity), Fixed2(r.draft), IntToStr(r.fixQuality),
                   Fixed2(r.rtkAntennaHeight), Fixed2(r.manualTide), Fixed2(r.rtkTide)});
}

std::string SimpleXyzRecord(double easting, double northing, double elevation) {
    return Joined({Fixed2(easting), Fixed2(northing), Fixed2(elevation)});
}
