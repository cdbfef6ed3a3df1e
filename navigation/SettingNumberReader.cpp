#include "navigation/SettingNumberReader.h"

#include "platform/NumberFormat.h"

bool TSettingNumberReader::Read(std::string_view caption, const std::string& text, double& value) {
    double read = 0;
    const bool readable = TryStrToFloat(text, read);
    if (readable) value = read;
    return Note(caption, text, readable);
}

bool TSettingNumberReader::Read(std::string_view caption, const std::string& text, int& value) {
    int read = 0;
    const bool readable = TryStrToInt(text, read);
    if (readable) value = read;
    return Note(caption, text, readable);
}

bool TSettingNumberReader::Note(std::string_view caption, const std::string& text, bool readable) {
    const auto known = reported_.find(caption);
    if (readable) {
        if (known != reported_.end()) reported_.erase(known);
        return true;
    }
    if (known != reported_.end() && known->second == text) return false;
    reported_.insert_or_assign(std::string(caption), text);
    fresh_.push_back(std::string(caption) + " '" + text + "'");
    return false;
}

std::string TSettingNumberReader::TakeReport(std::string_view subject, std::string_view singular,
                                             std::string_view plural) {
    if (fresh_.empty()) return {};
    std::string report = std::string(subject) + ": ";
    for (std::size_t i = 0; i < fresh_.size(); ++i) report += (i ? ", " : "") + fresh_[i];
    report += fresh_.size() == 1 ? " is not a number" : " are not numbers";
    report += fresh_.size() == 1 ? singular : plural;
    fresh_.clear();
    return report;
}
