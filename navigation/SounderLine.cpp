#include "navigation/SounderLine.h"

#include "tools/TelegramFormats.h"
#include "tools/TelegramReader.h"

#include <algorithm>
#include <utility>

namespace {

// Adds the text to the reports unless it is the one last told.
void TellOnce(TSounderLine& result, std::string& told, const std::string& text) {
    if (told == text) return;
    told = text;
    result.reports.push_back(text);
}

void AddReport(TSounderLine& result, std::string report) {
    if (!report.empty()) result.reports.push_back(std::move(report));
}

bool GivesLowFrequencyOnly(std::string_view formatName) {
    const TTelegramFormat* format = FindTelegramFormat(formatName);
    return format && std::ranges::count(format->values, TTelegramValue::RawDepthHi) == 0 &&
           std::ranges::count(format->values, TTelegramValue::RawDepthLo) == 1;
}

}  // namespace

TSounderLine TSounderLineReader::Read(const TSounderLineInput& input, double& alarmLevel) {
    TSounderLine result;
    const bool draftRead = ReadSettings(input, alarmLevel, result);
    const TTelegramReading reading = ReadTelegram(input.formatName, input.pattern, input.line);
    switch (reading.outcome) {
        case TTelegramOutcome::NoFormat:
        case TTelegramOutcome::NoMarker:
            return result;
        case TTelegramOutcome::PatternRefused:
            TellOnce(result, reportedPattern_,
                     "Echo sounder: the pattern '" + std::string(input.pattern) +
                         "' cannot be read; no depth is recorded");
            result.outcome = TSounderLineOutcome::NoDepth;
            return result;
        case TTelegramOutcome::WrongCount:
            result.outcome = TSounderLineOutcome::NoDepth;
            return result;
        case TTelegramOutcome::Depth:
            break;
    }
    reportedPattern_.clear();
    result.battery = reading.battery;
    result.lowFrequencyOnly = GivesLowFrequencyOnly(input.formatName);
    result.outcome = TSounderLineOutcome::NoDepth;
    if (!draftRead) return result;
    result.rawDepthHi = reading.rawDepthHi;
    result.rawDepthLo = reading.rawDepthLo;
    Reduce(input, result);
    return result;
}

// The alarm level keeps its value when its text is not a number; the draft gives no depth.
bool TSounderLineReader::ReadSettings(const TSounderLineInput& input, double& alarmLevel,
                                      TSounderLine& result) {
    alarm_.Read("Depth alarm", input.alarmText, alarmLevel);
    AddReport(result, alarm_.TakeReport("Navigation settings", "; the previous value is kept",
                                        "; the previous values are kept"));
    const bool draftRead = draft_.Read("A", input.draftText, result.draft);
    AddReport(result,
              draft_.TakeReport("Offsets", "; no depth is recorded", "; no depth is recorded"));
    return draftRead;
}

void TSounderLineReader::Reduce(const TSounderLineInput& input, TSounderLine& result) {
    result.depths = ReduceDepths(
        {result.rawDepthHi, result.rawDepthLo, result.draft, input.soundVelocity, input.profile});
    if (!result.depths.reduced) {
        TellOnce(result, reportedReduction_, result.depths.error + "; no depth is recorded");
        result.rawDepthHi = 0;
        result.rawDepthLo = 0;
        return;
    }
    reportedReduction_.clear();
    const std::string& gap = result.depths.profileGap;
    if (gap.empty()) {
        profileGapTold_ = false;
    } else if (!std::exchange(profileGapTold_, true)) {
        result.reports.push_back(gap + "; depths are reduced with the single sound velocity");
    }
    result.outcome = TSounderLineOutcome::Depth;
}
