#include "tools/SvpSettings.h"

#include "platform/IniFields.h"

namespace {

constexpr char kSection[] = "SVP";
constexpr TIniField<TSvpSettings> kFields[] = {
    {"eSearchString", &TSvpSettings::searchString}, {"eMaxDepth", &TSvpSettings::maxDepth},
    {"rSVFirst", &TSvpSettings::svFirst},           {"rDFirst", &TSvpSettings::depthFirst},
    {"cUseSVP", &TSvpSettings::useProfile},
};

}  // namespace

TSvpSettings ReadSvpSettings(const TIniFile& ini) {
    return ReadIniFields<TSvpSettings>(ini, kSection, kFields);
}

bool WriteSvpSettings(TIniFile& ini, const TSvpSettings& settings) {
    return WriteIniFields(ini, kSection, kFields, settings);
}
