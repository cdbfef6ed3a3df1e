#pragma once
// The offsets report: the entries of a successful "Realtime" start, appended to the day's
// " Offsets.log" so that post processing can recover the vessel set-up of every run.
//
// One block without a final line break: two line breaks, the title, then nine lines of a label
// dot-padded to 34 characters (44 in Turkish), a tab, "=" and the value as typed. Lines break
// with CR LF; the text is UTF-8.

#include "tools/MessageLanguage.h"
#include "tools/OffsetsEntries.h"

#include <string>

// LogDir + today's date + " Offsets.log".
std::string OffsetsReportFilePath();

// `profileUsed`: the sound-velocity line names the profile instead of the single value.
std::string BuildOffsetsReport(const TOffsetsEntries& entries, const std::string& timeText,
                               bool profileUsed, TMessageLanguage language);
