#include "tools/SettingKeys.h"

namespace {

constexpr const char* kGnss = "GPS1 COMUNICATION SETTINGS";
constexpr const char* kSounder = "SENSOR COMUNICATION SETTINGS";
constexpr const char* kGeodetic = "GEODETIC_PARAMETERS";
constexpr TSettingKind kText = TSettingKind::Text;
constexpr TSettingKind kBool = TSettingKind::Bool;
constexpr TSettingKind kColor = TSettingKind::Color;
constexpr const char* kGrid = "GRID_SETTINGS";
constexpr const char* kDepthLabel = "DEPTH_LABEL_SETTINGS";
constexpr const char* kEventLabel = "EVENT_LABEL_SETTINGS";
constexpr const char* kOverlay = "OVERLAY_SETTINGS";

// A geodetic key with the control's state as its default.
constexpr TSettingKey Geodetic(const char* key, const char* control, TSettingKind kind) {
    return {kGeodetic, key, control, kind, nullptr};
}

}  // namespace

const std::array<TSettingKey, 26> kCommunicationKeys = {{
    {kGnss, "Port No", "Port", kText, ""},
    {kGnss, "Baud Rate", "BaudRate", kText, ""},
    {kGnss, "Data Width", "DataWidth", kText, ""},
    {kGnss, "Stop Bits", "StopBits", kText, ""},
    {kGnss, "Parity", "Parity", kText, ""},
    {kGnss, "Priority", "Priority", kText, ""},
    {kGnss, "Delay", "Delay", kText, ""},
    {kGnss, "NMEA LOG", "NMEALog", kText, ""},
    {kGnss, "Log Time", "LogTime", kText, ""},
    {kGnss, "Enable DTR", "EnableDTR", kText, ""},
    {kGnss, "Enable RTS", "EnableRTS", kText, ""},
    {kSounder, "Port No", "SPort", kText, ""},
    {kSounder, "Baud Rate", "SBaudRate", kText, ""},
    {kSounder, "Data Width", "SDataWidth", kText, ""},
    {kSounder, "Stop Bits", "SStopBits", kText, ""},
    {kSounder, "Parity", "SParity", kText, ""},
    {kSounder, "Priority", "SPriority", kText, ""},
    {kSounder, "Delay", "SDelay", kText, ""},
    {kSounder, "NMEA LOG", "SNMEALog", kText, ""},
    {kSounder, "Log Time", "SLogTime", kText, ""},
    {kSounder, "Enable DTR", "SEnableDTR", kText, ""},
    {kSounder, "Enable RTS", "SEnableRTS", kText, ""},
    {kSounder, "Sensor Enabled", "SensorEnabled", kBool, "1"},
    {kSounder, "cSBESMessage", "cSBESMessage", kText, "Orvalt QRD"},
    {kSounder, "eSBESFormat", "eSBESFormat", kText, "%*8s,%lf"},
    {"GYRO", "Gyro Enabled", "GyroEnabled", kBool, "1"},
}};

const std::array<TSettingKey, 26> kGeodeticKeys = {{
    Geodetic("SemiMajorAxis", "edSMA", kText),
    Geodetic("InverseFlattening", "edIF", kText),
    Geodetic("X_Rotation", "edRX", kText),
    Geodetic("Y_Rotation", "edRY", kText),
    Geodetic("Z_Rotation", "edRZ", kText),
    Geodetic("X_Shift", "edSX", kText),
    Geodetic("Y_Shift", "edSY", kText),
    Geodetic("Z_Shift", "edSZ", kText),
    Geodetic("Scale_PPM", "edPPM", kText),
    Geodetic("Central_Meridian", "edCM", kText),
    Geodetic("Reference_Latitude", "edRL", kText),
    Geodetic("Scale_Factor", "edSF", kText),
    Geodetic("False_Easting", "edFE", kText),
    Geodetic("False_Northing", "edFN", kText),
    Geodetic("Use Projection", "cbUseTMProjection", kBool),
    Geodetic("Use DTP", "cbUseDTP", kBool),
    {kGeodetic, "Name of Datum", "edNameOfDatum", kText, ""},
    Geodetic("eLCCSP1", "eLCCSP1", kText),
    Geodetic("eLCCSP2", "eLCCSP2", kText),
    Geodetic("eLCCSF", "eLCCSF", kText),
    Geodetic("eLCCCP", "eLCCCP", kText),
    Geodetic("eLCCM", "eLCCM", kText),
    Geodetic("eLCCFE", "eLCCFE", kText),
    Geodetic("eLCCFN", "eLCCFN", kText),
    Geodetic("cbUseLCCProjection", "cbUseLCCProjection", kBool),
    Geodetic("cLambert1", "cLambert1", kBool),
}};

const std::array<TSettingKey, 16> kDisplayKeys = {{
    {kGrid, "GridVisible", "cbGridVisible", kBool, "1"},
    {kGrid, "AutoGrid", "cbAutoGrid", kBool, "0"},
    {kGrid, "GridSpacingX", "edGridSpacingX", kText, "100"},
    {kGrid, "GridSpacingY", "edGridSpacingY", kText, "100"},
    {kGrid, "GridColor", "cbGridColor", kColor, "12632256"},  // silver
    {kDepthLabel, "ShowDepthLabels", "cbShowDepthLabels", kBool, "1"},
    {kDepthLabel, "LabelSpacing", "edDepthLabelSpacing", kText, "10"},
    {kDepthLabel, "FontName", "edDepthLabelFontName", kText, "Arial"},
    {kDepthLabel, "FontSize", "edDepthLabelFontSize", kText, "12"},
    {kDepthLabel, "TextColor", "cbTextColor", kColor, "0"},
    {kEventLabel, "FontSize", "edEventLabelFontSize", kText, "24"},
    {kEventLabel, "TextColor", "cbEventLabelColor", kColor, "255"},  // red
    {kOverlay, "FontSize", "edOverlayFontSize", kText, "40"},
    {kOverlay, "DepthColor", "cbOverlayDepthColor", kColor, "8388608"},  // navy
    {kOverlay, "SpeedColor", "cbOverlaySpeedColor", kColor, "0"},
    {"SCREENSHOT", "Interval", "eScreenshotInterval", TSettingKind::Integer, "60"},
}};
