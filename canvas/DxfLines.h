#pragma once
// The lines and groups of an ASCII DXF text. A DXF text is a sequence of groups of two lines
// each: a code line, an integer that says what the value means, and a value line. Code 0 opens
// an item, and its value names the item's type ("SECTION", "LINE", "ENDSEC"...).
//
// The reader is a tolerant line scanner. Lines end at LF and are trimmed of blanks, tabs and CR
// at both ends, so LF and CR LF files and right-aligned codes ("  0") read alike. Numbers are
// read by the C library's atoi and atof prefix rules, without any locale: a text that is not a
// number, or whose number is not finite or does not fit, reads 0.
//
// A type is only ever the line after a line "0". A scan that meets a type it does not want
// resumes at that line, not after it, so a value "0" never hides the code "0" that follows it,
// and no value (a layer named "POINT", a text "ENDSEC") is ever taken for a type.

#include <cstddef>
#include <string_view>

// Without blanks, tabs and CR at either end.
std::string_view TrimDxfLine(std::string_view line);
// Leading decimal digits with an optional sign, as atoi reads them.
int DxfInteger(std::string_view text);
// The longest decimal number at the start, as atof reads it.
double DxfReal(std::string_view text);

class TDxfLines {
public:
    // Reads `text` from byte `position` on.
    explicit TDxfLines(std::string_view text, std::size_t position = 0)
        : text_(text), position_(position) {}

    bool AtEnd() const { return position_ >= text_.size(); }
    // The next line, trimmed; empty at the end.
    std::string_view Next();
    std::size_t Position() const { return position_; }
    void Seek(std::size_t position) { position_ = position; }

    // Hands the code and value of each group of one item to onGroup(int, std::string_view)
    // up to the item's closing code line "0"; the line after it, the next item's type, is the
    // next to read. False when the text ends first.
    template <class OnGroup>
    bool ReadGroups(OnGroup&& onGroup) {
        for (;;) {
            if (AtEnd()) return false;
            const std::string_view code = Next();
            if (code == "0") return true;
            if (AtEnd()) return false;
            onGroup(DxfInteger(code), Next());
        }
    }

private:
    std::string_view text_;
    std::size_t position_;
};

// What a section reader did with an item of the type it was handed.
enum class TDxfItemRead {
    Read,     // read up to its closing code "0": the next line is the next type
    Skipped,  // not wanted: the scan resumes at the type line itself
    Stopped,  // the text ended inside the item, or the reader gives up
};

// Hands the type of each item of a section to onType(std::string_view) -> TDxfItemRead,
// starting with the first line "0" from where `lines` stands. Returns true at the type
// "ENDSEC", false when the text ends first or onType stops.
template <class OnType>
bool ForEachDxfItem(TDxfLines& lines, OnType&& onType) {
    bool atType = false;
    while (!lines.AtEnd()) {
        const std::string_view line = lines.Next();
        if (!atType) {
            atType = line == "0";
            continue;
        }
        if (line == "ENDSEC") return true;
        switch (onType(line)) {
            case TDxfItemRead::Read:
                break;
            case TDxfItemRead::Skipped:
                atType = line == "0";
                break;
            case TDxfItemRead::Stopped:
                return false;
        }
    }
    return false;
}
