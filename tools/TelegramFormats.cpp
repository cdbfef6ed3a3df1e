#include "tools/TelegramFormats.h"

namespace {

constexpr std::string_view kOther = "OTHER";

// "%*8s" skips a run of at most 8 non-blank characters (the telegram's tag), "%*lf" a number,
// "%*1s" the unit letter of a DBT feet field.
std::vector<TTelegramFormat> BuildTable() {
    using enum TTelegramValue;
    using enum TLowFrequencyFrame;
    return {
        {"Orvalt QRD", "%*8s,%lf,%lf", {"QRD"}, {RawDepthHi, Battery}, Hidden},
        {"NMEA DPT", "%*6s,%lf", {"DPT"}, {RawDepthHi}, Hidden},
        {"NMEA DBT", "%*6s,%*lf,%*1s,%lf", {"DBT"}, {RawDepthHi}, Hidden},
        {"Orvalt XDR HI", "%*8s,%lf", {"XDHI"}, {RawDepthHi}, Hidden},
        {"Orvalt XDR LO", "%*8s,%*lf,%*8s,%lf", {"XDHI", "XDLO"}, {RawDepthLo}, Shown},
        {"Orvalt XDR H/L", "%*8s,%lf,%*8s,%lf", {"XDHI", "XDLO"}, {RawDepthHi, RawDepthLo}, Shown},
        {"ODC HI", "%*42s,%lf", {",B,"}, {RawDepthHi}, Hidden},
        {kOther, "", {}, {RawDepthHi}, Unchanged},
    };
}

}  // namespace

const std::vector<TTelegramFormat>& TelegramFormats() {
    static const std::vector<TTelegramFormat> table = BuildTable();
    return table;
}

const TTelegramFormat* FindTelegramFormat(std::string_view name) {
    for (const TTelegramFormat& format : TelegramFormats()) {
        if (format.name == name) return &format;
    }
    return nullptr;
}

bool HasTelegramMarkers(const TTelegramFormat& format, std::string_view line) {
    for (std::string_view marker : format.markers) {
        if (line.find(marker) == std::string_view::npos) return false;
    }
    return true;
}

TFormatChange ApplyTelegramFormat(std::string_view name, TFormatApplication application) {
    const TTelegramFormat* format = FindTelegramFormat(name);
    if (!format) return {};
    if (format->name == kOther && application == TFormatApplication::StoredAtStartUp) return {};
    return {std::string(format->defaultPattern), format->lowFrequencyFrame};
}
