#include "canvas/DxfLines.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

bool IsTrimmed(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// from_chars takes no "+"; atoi and atof take one.
std::string_view WithoutPlus(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') {
        text.remove_prefix(1);
    }
    return text;
}

}  // namespace

std::string_view TrimDxfLine(std::string_view line) {
    while (!line.empty() && IsTrimmed(line.front())) line.remove_prefix(1);
    while (!line.empty() && IsTrimmed(line.back())) line.remove_suffix(1);
    return line;
}

int DxfInteger(std::string_view text) {
    text = WithoutPlus(text);
    int value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc()) {
        return 0;
    }
    return value;
}

double DxfReal(std::string_view text) {
    text = WithoutPlus(text);
    // from_chars also reads "inf" and "nan", which atof would let through as well.
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) return 0;
    return value;
}

std::string_view TDxfLines::Next() {
    if (AtEnd()) return {};
    const char* start = text_.data() + position_;
    const std::size_t left = text_.size() - position_;
    const void* lineFeed = std::memchr(start, '\n', left);
    const std::size_t length =
        lineFeed ? static_cast<std::size_t>(static_cast<const char*>(lineFeed) - start) : left;
    position_ += lineFeed ? length + 1 : length;
    return TrimDxfLine(std::string_view(start, length));
}
