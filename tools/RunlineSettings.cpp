#include "tools/RunlineSettings.h"

#include "platform/IniFields.h"

namespace {

constexpr char kSection[] = "RUNLINE";
constexpr TIniField<TRunlineSettings> kFields[] = {
    {"Spacing", &TRunlineSettings::spacing},
    {"Length", &TRunlineSettings::length},
    {"Perpendicular", &TRunlineSettings::perpendicular},
};

}  // namespace

TRunlineSettings ReadRunlineSettings(const TIniFile& ini) {
    return ReadIniFields<TRunlineSettings>(ini, kSection, kFields);
}

bool WriteRunlineSettings(TIniFile& ini, const TRunlineSettings& settings) {
    return WriteIniFields(ini, kSection, kFields, settings);
}
