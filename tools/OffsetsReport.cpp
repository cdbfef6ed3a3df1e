#include "tools/OffsetsReport.h"

#include "platform/DataFolders.h"

#include <optional>

namespace {

struct TReportLine {
    const char* english;
    const char* turkish;
    std::optional<TOffsetsField> field;  // none for the clock text
};

const TReportLine kLines[] = {
    {"Time", "Zaman", std::nullopt},
    {"Survey Location", "Yer", TOffsetsField::Location},
    {"Survey Boat", "Ölçme botu", TOffsetsField::SurveyBoat},
    {"Transducer Draft (A)", "Transduser su kesimi (A)", TOffsetsField::OffsetA},
    {"Transducer - Antenna Offset (B)", "Transduser ile GPS anteni arası mesafe (B)",
     TOffsetsField::OffsetB},
    {"Antenna Height Above Water (C)", "Sudan antene olan mesafe (C)", TOffsetsField::OffsetC},
    {"Sound Velocity", "Ses hızı", TOffsetsField::SV},
    {"Tide Height", "Su kotu", TOffsetsField::TideHt},
    {"Surveyor", "Ölçen", TOffsetsField::Surveyor},
};

// Labels are padded by characters, not bytes: the Turkish ones hold two-byte letters.
std::string DotPadded(const std::string& label, std::size_t width) {
    std::size_t characters = 0;
    for (unsigned char byte : label) characters += (byte & 0xC0) != 0x80;
    return characters >= width ? label : label + std::string(width - characters, '.');
}

}  // namespace

std::string OffsetsReportFilePath() { return LogDir + GetDateFolderName() + " Offsets.log"; }

std::string BuildOffsetsReport(const TOffsetsEntries& entries, const std::string& timeText,
                               bool profileUsed, TMessageLanguage language) {
    const bool english = language == TMessageLanguage::English;
    const std::size_t width = english ? 34 : 44;
    std::string report = "\r\n\r\n";
    report += english ? "Quellbay - offsets essential for post processing"
                      : "Quellbay - veri işleme için gerekli değerler";
    for (const TReportLine& line : kLines) {
        std::string value = line.field ? entries[*line.field] : timeText;
        if (line.field == TOffsetsField::SV && profileUsed) {
            value = english ? "Sound velocity profile used" : "Ses hızı profili kullanıldı";
        }
        report += "\r\n" + DotPadded(english ? line.english : line.turkish, width) + "\t=" + value;
    }
    return report;
}
