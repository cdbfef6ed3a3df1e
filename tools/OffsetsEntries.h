#pragma once
// The entries of the offsets window and their section "ECHOSOUNDER_OFFSETS" of the settings file.
//
// Every value lives as typed, in its edit's text; numbers are read from the texts only when they
// are checked or used. Units: offsets and tide in metres, sound velocity in m/s. The offsets are
// related by B = A + C (A: transducer draft below the waterline, B: transducer to GNSS antenna,
// C: antenna height above the water).

#include <array>
#include <cstddef>
#include <string>

class TIniFile;

// The eight edits, in the order the start sequence checks them.
enum class TOffsetsField { OffsetA, OffsetB, OffsetC, SV, TideHt, Location, SurveyBoat, Surveyor };
constexpr std::size_t kOffsetsFieldCount = 8;

struct TOffsetsEntries {
    std::array<std::string, kOffsetsFieldCount> texts;

    std::string& operator[](TOffsetsField field) { return texts[static_cast<std::size_t>(field)]; }
    const std::string& operator[](TOffsetsField field) const {
        return texts[static_cast<std::size_t>(field)];
    }
};

// Missing keys give empty texts.
TOffsetsEntries ReadOffsetsEntries(const TIniFile& ini);
// Writes the eight entries and the clock text ("Time", which is never read back) in one rewrite
// of the settings file. Returns false when it could not be written.
bool WriteOffsetsEntries(TIniFile& ini, const TOffsetsEntries& entries,
                         const std::string& timeText);
