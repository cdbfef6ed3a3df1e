#include "tools/RunlineSettings.h"

#include "platform/IniFile.h"

namespace {
constexpr char kSection[] = "RUNLINE";
}  // namespace

TRunlineSettings ReadRunlineSettings(const TIniFile& ini) {
    const TRunlineSettings fallback;
    return {ini.ReadString(kSection, "Spacing", fallback.spacing),
            ini.ReadString(kSection, "Length", fallback.length),
            ini.ReadBool(kSection, "Perpendicular", fallback.perpendicular)};
}

bool WriteRunlineSettings(TIniFile& ini, const TRunlineSettings& settings) {
    return ini.WriteString(kSection, "Spacing", settings.spacing) &&
           ini.WriteString(kSection, "Length", settings.length) &&
           ini.WriteBool(kSection, "Perpendicular", settings.perpendicular);
}
