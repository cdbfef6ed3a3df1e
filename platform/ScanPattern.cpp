#include "platform/ScanPattern.h"

#include <bitset>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

// Widths beyond this are no widths a pattern needs; refusing them keeps the count in range.
constexpr std::size_t kMaxWidth = 99999;

enum class TDirectiveKind { Blanks, Literal, Percent, Int, Double, Run, Set };

struct TDirective {
    TDirectiveKind kind;
    bool store = false;
    std::size_t width = 0;  // 0: no limit
    char literal = 0;
    std::bitset<256> set;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t Byte(char c) { return static_cast<unsigned char>(c); }

// The members of a "[...]" set starting at `at` (just after "["); `at` ends after "]". Read as
// glibc reads it: a "]" or "-" first is a member; any later "-" between two characters spans
// from the character before it, whatever that was, to the one after it, so "a-c-e" is a to e
// and "]-a" is "]" to "a"; a "-" before the closing "]", or before a smaller character, is a
// member itself.
std::optional<std::bitset<256>> ParseSet(std::string_view pattern, std::size_t& at) {
    std::bitset<256> members;
    const bool negate = at < pattern.size() && pattern[at] == '^';
    if (negate) ++at;
    if (at < pattern.size() && (pattern[at] == ']' || pattern[at] == '-')) {
        members.set(Byte(pattern[at++]));
    }
    for (; at < pattern.size(); ++at) {
        const char c = pattern[at];
        if (c == ']') {
            ++at;
            return negate ? ~members : members;
        }
        const bool range = c == '-' && at + 1 < pattern.size() && pattern[at + 1] != ']' &&
                           Byte(pattern[at - 1]) <= Byte(pattern[at + 1]);
        if (!range) {
            members.set(Byte(c));
            continue;
        }
        // The ends are members through the characters before and after the "-".
        for (std::size_t b = Byte(pattern[at - 1]); b < Byte(pattern[at + 1]); ++b) members.set(b);
    }
    return std::nullopt;  // no closing "]"
}

// One "%" directive starting at `at` (the "%"); `at` ends after it. Nothing for an invalid one.
std::optional<TDirective> ParseConversion(std::string_view pattern, std::size_t& at) {
    TDirective d{TDirectiveKind::Percent, false, 0, 0, {}};
    ++at;
    if (at < pattern.size() && pattern[at] == '%') {
        ++at;
        return d;
    }
    d.store = !(at < pattern.size() && pattern[at] == '*');
    if (!d.store) ++at;
    for (; at < pattern.size() && IsDigit(pattern[at]); ++at) {
        d.width = d.width * 10 + static_cast<std::size_t>(pattern[at] - '0');
        if (d.width > kMaxWidth) return std::nullopt;
    }
    const bool isLong = at < pattern.size() && pattern[at] == 'l';
    if (isLong) ++at;
    if (at >= pattern.size()) return std::nullopt;
    const char conversion = pattern[at++];
    if (isLong) {
        d.kind = TDirectiveKind::Double;
        return conversion == 'f' ? std::optional(d) : std::nullopt;
    }
    if (conversion == 'd') {
        d.kind = TDirectiveKind::Int;
        return d;
    }
    // Runs of text are only ever skipped: nothing here has room to store them.
    if (d.store) return std::nullopt;
    if (conversion == 's') {
        d.kind = TDirectiveKind::Run;
        return d;
    }
    if (conversion != '[') return std::nullopt;
    d.kind = TDirectiveKind::Set;
    const auto set = ParseSet(pattern, at);
    if (!set) return std::nullopt;
    d.set = *set;
    return d;
}

std::optional<std::vector<TDirective>> Compile(std::string_view pattern) {
    std::vector<TDirective> directives;
    for (std::size_t at = 0; at < pattern.size();) {
        if (IsBlank(pattern[at])) {
            while (at < pattern.size() && IsBlank(pattern[at])) ++at;
            directives.push_back({TDirectiveKind::Blanks, false, 0, 0, {}});
        } else if (pattern[at] != '%') {
            directives.push_back({TDirectiveKind::Literal, false, 0, pattern[at++], {}});
        } else {
            const auto directive = ParseConversion(pattern, at);
            if (!directive) return std::nullopt;
            directives.push_back(*directive);
        }
    }
    return directives;
}

// Every storing conversion has a target of its own type.
bool FitsTargets(const std::vector<TDirective>& directives, std::span<const TScanTarget> targets) {
    std::size_t next = 0;
    for (const TDirective& d : directives) {
        if (!d.store || d.kind == TDirectiveKind::Percent) continue;
        if (next >= targets.size()) return false;
        const TScanTarget& target = targets[next++];
        const bool fits =
            d.kind == TDirectiveKind::Int
                ? std::holds_alternative<int*>(target) && std::get<int*>(target)
                : std::holds_alternative<double*>(target) && std::get<double*>(target);
        if (!fits) return false;
    }
    return true;
}

// The text of one scan, read from the front.
class TScanInput {
public:
    explicit TScanInput(std::string_view text) : text_(text) {}

    bool AtEnd() const { return at_ >= text_.size(); }
    void SkipBlanks() {
        while (!AtEnd() && IsBlank(text_[at_])) ++at_;
    }
    bool Match(char c) {
        if (AtEnd() || text_[at_] != c) return false;
        ++at_;
        return true;
    }
    // Takes characters while `accept` says so, at most `width` (0: no limit); returns them.
    template <class TAccept>
    std::string_view Take(std::size_t width, TAccept accept) {
        const std::size_t start = at_;
        while (!AtEnd() && (width == 0 || at_ - start < width) && accept(text_[at_])) ++at_;
        return text_.substr(start, at_ - start);
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

std::optional<int> ReadInt(TScanInput& input, std::size_t width) {
    bool signTaken = false;
    bool digitTaken = false;
    const std::string_view taken = input.Take(width, [&](char c) {
        if ((c == '+' || c == '-') && !signTaken && !digitTaken) return signTaken = true;
        return IsDigit(c) && (digitTaken = true);
    });
    std::string_view digits = taken;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    int value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (!digitTaken || result.ec != std::errc() || result.ptr != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

// Takes the characters the C library's scanner collects for a number (sign, digits, one point,
// an exponent with its sign) and converts the longest number at their front, as it does: "1e,"
// reads 1 and the "e" is gone.
std::optional<double> ReadDouble(TScanInput& input, std::size_t width) {
    std::size_t count = 0;
    bool digit = false, point = false, exponent = false;
    char previous = 0;
    const std::string_view taken = input.Take(width, [&](char c) {
        const bool sign = c == '+' || c == '-';
        const bool ok = (sign && (count == 0 || previous == 'e' || previous == 'E')) ||
                        IsDigit(c) || (c == '.' && !point && !exponent) ||
                        ((c == 'e' || c == 'E') && digit && !exponent);
        if (!ok) return false;
        digit = digit || IsDigit(c);
        point = point || c == '.';
        exponent = exponent || c == 'e' || c == 'E';
        previous = c;
        ++count;
        return true;
    });
    std::string number(taken);
    if (!number.empty() && number.front() == '+') number.erase(0, 1);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc() || result.ptr == number.data() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

template <class T>
bool Store(const std::optional<T>& value, const TScanTarget* target, int& stored) {
    if (!value) return false;
    if (target) {
        *std::get<T*>(*target) = *value;
        ++stored;
    }
    return true;
}

// Runs one directive; false ends the scan.
bool Run(const TDirective& d, TScanInput& input, const TScanTarget* target, int& stored) {
    switch (d.kind) {
        case TDirectiveKind::Blanks:
            input.SkipBlanks();
            return true;
        case TDirectiveKind::Literal:
            return input.Match(d.literal);
        case TDirectiveKind::Percent:
            input.SkipBlanks();
            return input.Match('%');
        case TDirectiveKind::Run:
            input.SkipBlanks();
            return !input.Take(d.width, [](char c) { return !IsBlank(c); }).empty();
        case TDirectiveKind::Set:
            return !input.Take(d.width, [&](char c) { return d.set.test(Byte(c)); }).empty();
        case TDirectiveKind::Int:
            input.SkipBlanks();
            return Store(ReadInt(input, d.width), target, stored);
        case TDirectiveKind::Double:
            input.SkipBlanks();
            return Store(ReadDouble(input, d.width), target, stored);
    }
    return false;
}

}  // namespace

int ScanText(std::string_view text, std::string_view pattern,
             std::span<const TScanTarget> targets) {
    const auto directives = Compile(pattern);
    if (!directives || !FitsTargets(*directives, targets)) return 0;
    TScanInput input(text);
    int stored = 0;
    for (const TDirective& d : *directives) {
        const bool stores = d.store && d.kind != TDirectiveKind::Percent;
        const TScanTarget* target = stores ? &targets[static_cast<std::size_t>(stored)] : nullptr;
        if (!Run(d, input, target, stored)) break;
    }
    return stored;
}

bool ScanPatternFits(std::string_view pattern, std::span<const TScanTarget> targets) {
    const auto directives = Compile(pattern);
    return directives && FitsTargets(*directives, targets);
}

int ScanText(std::string_view text, std::string_view pattern,
             std::initializer_list<TScanTarget> targets) {
    return ScanText(text, pattern, std::span<const TScanTarget>(targets.begin(), targets.size()));
}
