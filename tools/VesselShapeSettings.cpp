#include "tools/VesselShapeSettings.h"

#include "platform/IniFields.h"
#include "platform/NumberFormat.h"

namespace {

// The key names are stored so, misspellings included.
constexpr char kSection[] = "VESSEL_SHAPE";
constexpr char kRingCount[] = "Number of circles";
constexpr char kRingInterval[] = "Cirecle offset interval";
constexpr char kFirstRadius[] = "Radious of first circle";
constexpr char kBowArrow[] = "Arrow length to bow";
constexpr char kSideArrow[] = "Left right offset of arrow";

constexpr TIniField<TVesselShapeTexts> kFields[] = {
    {kRingCount, &TVesselShapeTexts::ringCount},
    {kRingInterval, &TVesselShapeTexts::ringInterval},
    {kFirstRadius, &TVesselShapeTexts::firstRadius},
    {kBowArrow, &TVesselShapeTexts::bowArrow},
    {kSideArrow, &TVesselShapeTexts::sideArrow},
};

std::string ReadLength(const TIniFile& ini, const char* key, double fallback) {
    return FloatToStr(ini.ReadFloat(kSection, key, fallback));
}

}  // namespace

TVesselShapeTexts ReadVesselShape(const TIniFile& ini) {
    TVesselShapeTexts texts;
    texts.ringCount = IntToStr(ini.ReadInteger(kSection, kRingCount, 2));
    texts.ringInterval = ReadLength(ini, kRingInterval, 10);
    texts.firstRadius = ReadLength(ini, kFirstRadius, 10);
    texts.bowArrow = ReadLength(ini, kBowArrow, 100);
    texts.sideArrow = ReadLength(ini, kSideArrow, 0);
    return texts;
}

bool WriteVesselShape(TIniFile& ini, const TVesselShapeTexts& texts) {
    return WriteIniFields(ini, kSection, kFields, texts);
}

TVesselShapeTexts DefaultVesselShapeTexts() { return {"2", "10", "10", "100", "10"}; }
