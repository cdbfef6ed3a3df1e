#include "navigation/KmlMarkup.h"

#include "platform/CodePage.h"

#include <charconv>
#include <cstdint>

namespace {

constexpr std::string_view kPrefix = "kml:";
constexpr std::string_view kCdataBegin = "<![CDATA[";
constexpr std::string_view kCdataEnd = "]]>";
constexpr char32_t kReplacement = 0xFFFD;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The tag that starts before the name at `at`: "<" or "</" with an optional "kml:" between.
bool PrecededBy(std::string_view text, std::size_t at, std::string_view opener) {
    if (at >= kPrefix.size() + opener.size() &&
        text.substr(at - kPrefix.size(), kPrefix.size()) == kPrefix) {
        at -= kPrefix.size();
    }
    return at >= opener.size() && text.substr(at - opener.size(), opener.size()) == opener;
}

// Where the opening tag of the name found at `at` ends (after its ">"), or npos when the name
// is not an opening tag of that element.
std::size_t OpeningTagEnd(std::string_view text, std::size_t at, std::size_t nameSize) {
    const std::size_t after = at + nameSize;
    if (!PrecededBy(text, at, "<") || after >= text.size()) {
        return std::string_view::npos;
    }
    if (text[after] == '>') return after + 1;
    if (!IsBlank(text[after])) return std::string_view::npos;
    const std::size_t close = text.find('>', after);
    return close == std::string_view::npos ? close : close + 1;
}

// Where the closing tag of the name found at `at` ends, or npos when it is none.
std::size_t ClosingTagEnd(std::string_view text, std::size_t at, std::size_t nameSize) {
    if (!PrecededBy(text, at, "</")) return std::string_view::npos;
    std::size_t after = at + nameSize;
    while (after < text.size() && IsBlank(text[after])) ++after;
    return after < text.size() && text[after] == '>' ? after + 1 : std::string_view::npos;
}

// The "<" of the closing tag whose name was found at `at`.
std::size_t ClosingTagBegin(std::string_view text, std::size_t at) {
    const bool prefixed =
        at >= kPrefix.size() && text.substr(at - kPrefix.size(), kPrefix.size()) == kPrefix;
    return at - (prefixed ? kPrefix.size() : 0) - 2;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsCharacter(char32_t c) { return c != 0 && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

// The character of "#123" or "#x7B"; 0 when it is none.
char32_t NumericReference(std::string_view body) {
    if (body.size() < 2 || body[0] != '#') return 0;
    const bool hex = body[1] == 'x';
    const std::string_view digits = body.substr(hex ? 2 : 1);
    std::uint32_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return 0;
    return IsCharacter(value) ? value : 0;
}

// Decodes the reference that starts at raw[at] == '&' into out; returns the length used, 0 when
// it is no reference.
std::size_t AppendReference(std::string& out, std::string_view raw, std::size_t at) {
    constexpr std::size_t kLongestReference = 12;  // "&#x10FFFF;" with room
    const std::size_t semicolon = raw.substr(at, kLongestReference).find(';');
    if (semicolon == std::string_view::npos) return 0;
    const std::string_view body = raw.substr(at + 1, semicolon - 1);
    static constexpr std::pair<std::string_view, char> kNamed[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [name, c] : kNamed) {
        if (body == name) {
            out += c;
            return semicolon + 1;
        }
    }
    const char32_t c = NumericReference(body);
    if (c == 0) return 0;
    AppendUtf8(out, c);
    return semicolon + 1;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        AppendUtf8(out, c >= 0xD800 && c <= 0xDFFF ? kReplacement : c);
    }
    return out;
}

}  // namespace

std::optional<TKmlElement> FindKmlElement(std::string_view text, std::size_t from,
                                          std::string_view name) {
    std::size_t contentBegin = std::string_view::npos;
    std::size_t at = from;
    while ((at = text.find(name, at)) != std::string_view::npos) {
        contentBegin = OpeningTagEnd(text, at, name.size());
        if (contentBegin != std::string_view::npos) break;
        at += name.size();
    }
    if (at == std::string_view::npos || contentBegin == std::string_view::npos) return {};
    if (text[contentBegin - 2] == '/') return TKmlElement{contentBegin, contentBegin, contentBegin};
    for (at = contentBegin; (at = text.find(name, at)) != std::string_view::npos;
         at += name.size()) {
        const std::size_t end = ClosingTagEnd(text, at, name.size());
        if (end != std::string_view::npos) {
            return TKmlElement{contentBegin, ClosingTagBegin(text, at), end};
        }
    }
    return {};
}

std::string DecodeKmlText(std::string_view raw) {
    raw = Trimmed(raw);
    std::string out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size();) {
        if (raw[i] == '&') {
            const std::size_t used = AppendReference(out, raw, i);
            if (used > 0) {
                i += used;
                continue;
            }
        } else if (raw[i] == '<' && raw.substr(i, kCdataBegin.size()) == kCdataBegin) {
            const std::size_t begin = i + kCdataBegin.size();
            const std::size_t end = raw.find(kCdataEnd, begin);
            if (end != std::string_view::npos) {
                out += raw.substr(begin, end - begin);
                i = end + kCdataEnd.size();
                continue;
            }
        }
        out += raw[i++];
    }
    return std::string(Trimmed(out));
}

std::string_view KmlTextOf(std::string_view bytes, std::string& converted) {
    if (bytes.starts_with("\xEF\xBB\xBF")) return bytes.substr(3);
    if (bytes.starts_with("\xFF\xFE")) {
        converted = Utf16ToUtf8(bytes.substr(2), false);
    } else if (bytes.starts_with("\xFE\xFF")) {
        converted = Utf16ToUtf8(bytes.substr(2), true);
    } else if (IsValidUtf8(bytes)) {
        return bytes;
    } else {
        converted = Cp1254ToUtf8(bytes);
    }
    return converted;
}
