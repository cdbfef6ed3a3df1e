#pragma once
// Numbers that the real-time loop reads from other windows' edits on every line or tick. A
// text that is not a number never ends the line or tick: the caller keeps its previous value,
// and the text is reported the first time it is seen, so the surveyor hears of it once and a
// corrected and again mistyped field is reported again.

#include <map>
#include <string>
#include <string_view>
#include <vector>

class TSettingNumberReader {
public:
    // Reads the text into value and returns true; otherwise leaves value as it was, notes the
    // text for the next report unless it was reported already, and returns false.
    bool Read(std::string_view caption, const std::string& text, double& value);
    bool Read(std::string_view caption, const std::string& text, int& value);

    // "<subject>: A '', SV '1,5' are not numbers<plural>" (or "... is not a number<singular>")
    // for the texts noted since the last call; empty when there are none.
    std::string TakeReport(std::string_view subject, std::string_view singular,
                           std::string_view plural);

private:
    bool Note(std::string_view caption, const std::string& text, bool readable);

    std::map<std::string, std::string, std::less<>> reported_;  // caption -> unreadable text
    std::vector<std::string> fresh_;                            // "<caption> '<text>'"
};
