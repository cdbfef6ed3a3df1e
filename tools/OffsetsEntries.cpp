#include "tools/OffsetsEntries.h"

#include "platform/IniFile.h"

#include <optional>

namespace {

constexpr const char* kSection = "ECHOSOUNDER_OFFSETS";

struct TOffsetsKey {
    const char* name;
    std::optional<TOffsetsField> field;  // none for the clock text
};

// In the order they are written. Key names compare without surrounding blanks, so the
// blank-padded names of older files ("Offset A     ") read the same.
const TOffsetsKey kKeys[] = {
    {"Offset A", TOffsetsField::OffsetA},        {"Offset B", TOffsetsField::OffsetB},
    {"Offset C", TOffsetsField::OffsetC},        {"SV", TOffsetsField::SV},
    {"Tide Height", TOffsetsField::TideHt},      {"Time", std::nullopt},
    {"Surveyor", TOffsetsField::Surveyor},       {"SurveyBoat", TOffsetsField::SurveyBoat},
    {"SurveyLocation", TOffsetsField::Location},
};

}  // namespace

TOffsetsEntries ReadOffsetsEntries(const TIniFile& ini) {
    TOffsetsEntries entries;
    for (const TOffsetsKey& key : kKeys) {
        if (key.field) entries[*key.field] = ini.ReadString(kSection, key.name, "");
    }
    return entries;
}

bool WriteOffsetsEntries(TIniFile& ini, const TOffsetsEntries& entries,
                         const std::string& timeText) {
    ini.BeginUpdates();
    bool gathered = true;
    for (const TOffsetsKey& key : kKeys) {
        const std::string& value = key.field ? entries[*key.field] : timeText;
        gathered = ini.WriteString(kSection, key.name, value) && gathered;
    }
    return ini.CommitUpdates() && gathered;
}
