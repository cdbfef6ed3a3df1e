#include "navigation/StoredGeodesy.h"

#include "platform/IniFile.h"

namespace {

constexpr const char* kSection = "GEODETIC_PARAMETERS";

}  // namespace

TStoredGeodesy ReadStoredGeodesy(const TIniFile& ini) {
    const auto text = [&](const char* key) { return ini.ReadString(kSection, key, ""); };
    TStoredGeodesy stored;
    if (ini.ReadBool(kSection, "cbUseLCCProjection", false)) {
        stored.kind = ini.ReadBool(kSection, "cLambert1", false) ? TProjectionKind::Lambert1
                                                                 : TProjectionKind::Lambert2;
    }
    stored.texts = {text("SemiMajorAxis"),
                    text("InverseFlattening"),
                    text("Scale_PPM"),
                    text("X_Rotation"),
                    text("Y_Rotation"),
                    text("Z_Rotation"),
                    text("X_Shift"),
                    text("Y_Shift"),
                    text("Z_Shift"),
                    text("Central_Meridian"),
                    text("Reference_Latitude"),
                    text("Scale_Factor"),
                    text("False_Easting"),
                    text("False_Northing"),
                    text("eLCCSP1"),
                    text("eLCCSP2"),
                    text("eLCCCP"),
                    text("eLCCM"),
                    text("eLCCSF"),
                    text("eLCCFE"),
                    text("eLCCFN")};
    return stored;
}
