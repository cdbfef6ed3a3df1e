#include "devices/NtripDisplay.h"

#include <iterator>

namespace {

constexpr TNtripStatusCaptions kCaptions[] = {
    {"Connect", "Orvalt NTRIP Client - Disconnected"},
    {"Connecting...", "Orvalt NTRIP Client - Connecting..."},
    {"Disconnect", "Orvalt NTRIP Client - Connected"},
    {"Disconnect", "Orvalt NTRIP Client - Receiving Data"},
    {"Connect", "Orvalt NTRIP Client - Error"},
};

constexpr std::int64_t kActivityWrapBytes = 5000;
constexpr std::int64_t kBytesPerActivityStep = 50;

}  // namespace

bool NtripStatusCaptions(int status, TNtripStatusCaptions& captions) {
    if (status < 0 || status >= static_cast<int>(std::size(kCaptions))) return false;
    captions = kCaptions[status];
    return true;
}

std::string FormatByteCount(std::int64_t bytes) {
    const std::string digits = std::to_string(bytes < 0 ? -bytes : bytes);
    std::string text = bytes < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

int ActivityPosition(std::int64_t bytes) {
    return static_cast<int>((bytes % kActivityWrapBytes) / kBytesPerActivityStep);
}
