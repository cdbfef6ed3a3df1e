#pragma once
// The echo sounder's telegram formats: the one table of the eight formats that the settings
// window offers and that every sounder line is read with.
//
// A format is named by the exact, case-sensitive text of the settings window's format box; any
// other text is no format. A line of a format must hold every marker of its row, as a
// case-sensitive substring anywhere in the line (so the two talker letters of an NMEA sentence do
// not matter), and its scan pattern must store exactly as many numbers as the row has values.
// Depths are raw metres as the sounder sends them, before draft and sound velocity.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What one stored number of a telegram is.
enum class TTelegramValue { RawDepthHi, RawDepthLo, Battery };

// What a format does to the real-time window's low-frequency depth frame.
enum class TLowFrequencyFrame { Hidden, Shown, Unchanged };

struct TTelegramFormat {
    std::string_view name;
    std::string_view defaultPattern;  // empty for "OTHER": the surveyor types it
    std::vector<std::string_view> markers;
    std::vector<TTelegramValue> values;  // the pattern must store exactly this many, in order
    TLowFrequencyFrame lowFrequencyFrame;
};

// The eight formats in the order of the settings window's list.
const std::vector<TTelegramFormat>& TelegramFormats();

// The format of that exact name, or nullptr.
const TTelegramFormat* FindTelegramFormat(std::string_view name);

// True when the line holds every marker of the format.
bool HasTelegramMarkers(const TTelegramFormat& format, std::string_view line);

// Why a format is applied: the surveyor chose it, or the stored choice is applied once after
// start-up.
enum class TFormatApplication { Chosen, StoredAtStartUp };

// What applying a format does to the settings window's pattern and the low-frequency frame.
struct TFormatChange {
    std::optional<std::string> pattern;  // the new pattern; none leaves the pattern as it is
    TLowFrequencyFrame lowFrequencyFrame = TLowFrequencyFrame::Unchanged;
};

// Formats with a default pattern write it and set the frame; choosing "OTHER" empties the
// pattern so the surveyor types it; a text that names no format changes nothing. At start-up a
// stored "OTHER" pattern is kept, so a typed pattern survives the program's restart.
TFormatChange ApplyTelegramFormat(std::string_view name, TFormatApplication application);
