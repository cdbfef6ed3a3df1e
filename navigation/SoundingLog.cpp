#include "navigation/SoundingLog.h"

#include "navigation/SurveyRecord.h"

namespace {

TSurveyRecord RecordOf(const TSounderLine& line, const std::optional<TCurrentPosition>& position,
                       const TSoundingValues& values) {
    TSurveyRecord record{.time = values.time,
                         .position = std::nullopt,
                         .trueDepthHi = line.depths.trueDepthHi,
                         .trueDepthLo = line.depths.trueDepthLo,
                         .rawDepthHi = line.rawDepthHi,
                         .rawDepthLo = line.rawDepthLo,
                         .format = values.format,
                         .soundVelocity = line.depths.velocityHi,
                         .draft = line.draft,
                         .fixQuality = position ? position->fixQuality : 0,
                         .rtkAntennaHeight = values.rtkAntennaHeight,
                         .manualTide = values.manualTide,
                         .rtkTide = values.rtkTide};
    if (position) {
        record.position = TSurveyRecord::TPosition{position->latitude, position->longitude, {}};
        if (position->grid) {
            record.position->grid = TGridPoint{position->grid->easting, position->grid->northing};
        }
    }
    return record;
}

}  // namespace

TSoundingOutcome TSoundingLog::Record(const TSurveyFiles& files, const TSounderLine& line,
                                      const std::optional<TCurrentPosition>& position,
                                      const TSoundingValues& values) {
    TSoundingOutcome outcome;
    TSoundingLines lines;
    std::optional<TGridPoint> grid;
    if (line.RecordDue()) {
        const TSurveyRecord record = RecordOf(line, position, values);
        lines.logRecord = SurveyLogRecord(record);
        if (record.position) grid = record.position->grid;
        if (grid) {
            lines.xyzRecord = SimpleXyzRecord(grid->easting, grid->northing,
                                              values.manualTide - line.LoggedTrueDepth());
        }
    }
    const TAppendOutcome appended = writer_.Append(files, lines);
    if (!appended.report.empty()) outcome.reports.push_back(appended.report);
    if (!lines.logRecord) return outcome;
    if (!appended.logFailure.empty()) {
        outcome.sign = kLogNotWrittenSign + appended.logFailure;
        return outcome;
    }
    if (!position) {
        if (!outageReported_) outcome.reports.emplace_back(kNoPositionReport);
        outageReported_ = true;
        outcome.sign = kNoPositionSign;
        return outcome;
    }
    outageReported_ = false;
    outcome.sign = "";
    if (grid) outcome.label = TDepthLabel{grid->easting, grid->northing, line.LoggedTrueDepth()};
    return outcome;
}
