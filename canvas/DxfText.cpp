#include "canvas/DxfText.h"

#include "platform/CodePage.h"

namespace {

enum class TCodeKind { None, LineBreak, Switch, WithArgument };

TCodeKind KindOf(char letter) {
    switch (letter) {
        case 'P':
            return TCodeKind::LineBreak;
        case 'L':
        case 'l':
        case 'O':
        case 'o':
        case 'K':
        case 'k':
            return TCodeKind::Switch;
        case 'A':
        case 'C':
        case 'F':
        case 'H':
        case 'Q':
        case 'S':
        case 'T':
        case 'W':
        case 'f':
        case 'p':
            return TCodeKind::WithArgument;
        default:
            return TCodeKind::None;
    }
}

}  // namespace

std::string StripMTextCodes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[i + 1];
        if (next == '\\') {
            out += '\\';
            ++i;
            continue;
        }
        switch (KindOf(next)) {
            case TCodeKind::LineBreak:
                out += ' ';
                ++i;
                break;
            case TCodeKind::Switch:
                ++i;
                break;
            case TCodeKind::WithArgument:
                i = text.find_first_of("; ", i + 2);
                if (i == std::string_view::npos) return out;
                break;
            case TCodeKind::None:
                out += '\\';
                break;
        }
    }
    return out;
}

QString DxfTextToQString(std::string_view value) {
    if (value.empty()) return {};
    return QString::fromStdString(SystemTextToUtf8(StripMTextCodes(value)));
}

QString DxfNameToQString(std::string_view name) {
    return QString::fromStdString(SystemTextToUtf8(name));
}
