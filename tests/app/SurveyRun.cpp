#include "tests/app/SurveyRun.h"

#include "navigation/NavigationState.h"
#include "navigation/SurveyLogWriter.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "tests/devices/ReceiverLog.h"
#include "tests/support/TestEnvironment.h"
#include "tools/Bathymetry.h"
#include "tools/OffsetsEntries.h"
#include "tools/SettingKeys.h"
#include "tools/TelegramFormats.h"
#include "tools/UGPS.h"
#include "tools/unavset.h"

namespace {

constexpr int kGnssPort = 3;
constexpr int kSounderPort = 4;

void WritePort(TIniFile& ini, const char* section, int port) {
    const std::pair<const char*, const char*> keys[] = {
        {"Port No", nullptr},    {"Baud Rate", "115200"}, {"Data Width", "8"},
        {"Stop Bits", "1"},      {"Parity", "None"},      {"Priority", "Normal"},
        {"Delay", "10"},         {"NMEA LOG", "False"},   {"Log Time", "False"},
        {"Enable DTR", "False"}, {"Enable RTS", "False"}};
    for (const auto& [key, value] : keys) {
        ini.WriteString(section, key, value ? value : "COM" + std::to_string(port));
    }
}

using TKeys = std::vector<std::pair<const char*, const char*>>;

// WGS 84 as the local datum.
const TKeys kDatum = {{"SemiMajorAxis", "6378137"},
                      {"InverseFlattening", "0.0033528106647474805"},
                      {"X_Rotation", "0"},
                      {"Y_Rotation", "0"},
                      {"Z_Rotation", "0"},
                      {"X_Shift", "0"},
                      {"Y_Shift", "0"},
                      {"Z_Shift", "0"},
                      {"Scale_PPM", "0"},
                      {"Use DTP", "1"}};
// kSurveyRunProjection.
const TKeys kTransverseMercator = {{"Central_Meridian", "-15"},    {"Reference_Latitude", "0"},
                                   {"Scale_Factor", "0.9996"},     {"False_Easting", "500000"},
                                   {"False_Northing", "10000000"}, {"Use Projection", "1"},
                                   {"cbUseLCCProjection", "0"}};
// kSurveyRunLambert.
const TKeys kLambert = {{"eLCCSP1", "-20"},          {"eLCCSP2", "-24"},
                        {"eLCCCP", "-22"},           {"eLCCM", "-18"},
                        {"eLCCFE", "400000"},        {"eLCCFN", "2000000"},
                        {"cbUseLCCProjection", "1"}, {"Use Projection", "0"},
                        {"cLambert1", "0"}};

void WriteGeodesy(TIniFile& ini, TSurveyGrid grid) {
    for (const TKeys* keys :
         {&kDatum, grid == TSurveyGrid::TransverseMercator ? &kTransverseMercator : &kLambert}) {
        for (const auto& [key, value] : *keys) ini.WriteString("GEODETIC_PARAMETERS", key, value);
    }
}

void WriteOffsets(TIniFile& ini) {
    TOffsetsEntries entries;
    entries.texts = {
        "0.50",       "3.00", "2.50", "1530", "1.25", "Walvis Ridge", "Nathaniel B. Palmer",
        "A. Surveyor"};
    WriteOffsetsEntries(ini, entries, "");
}

}  // namespace

TSurveyRun::TSurveyRun(int mapIntervalMs) : TSurveyRun(TSurveyRunOptions{mapIntervalMs}) {}

TSurveyRun::TSurveyRun(const TSurveyRunOptions& options) {
    InitDayFolderGlobals();
    gnss_.MapToPort(kGnssPort);
    sounder_.MapToPort(kSounderPort);
    TIniFile ini(GetSettingsFilePath());
    ini.BeginUpdates();  // one rewrite of the settings file, not one a key
    WritePort(ini, "GPS1 COMUNICATION SETTINGS", kGnssPort);
    WritePort(ini, "SENSOR COMUNICATION SETTINGS", kSounderPort);
    ini.WriteString("SENSOR COMUNICATION SETTINGS", "Sensor Enabled", "1");
    ini.WriteString("SENSOR COMUNICATION SETTINGS", "cSBESMessage", options.format);
    ini.WriteString("SENSOR COMUNICATION SETTINGS", "eSBESFormat",
                    std::string(FindTelegramFormat(options.format)->defaultPattern));
    if (options.geodesySaved) WriteGeodesy(ini, options.grid);
    WriteOffsets(ini);
    ini.CommitUpdates();

    CreateWindowSet(windows_);
    QObject::connect(FNav->tMap, &QTimer::timeout, [this] { ++mapTicks_; });
    ShowStartWindows();
    Navset->eVesselUpdateRate->setText(QString::number(options.mapIntervalMs));
    if (options.start) Start();
}

void TSurveyRun::Start() { Offsets->BitBtn1->click(); }

void TSurveyRun::Stop() { FNav->bRealtime->click(); }

void TSurveyRun::TypeTransverseMercator() {
    for (const TKeys* keys : {&kDatum, &kTransverseMercator}) {
        for (const auto& [key, value] : *keys) {
            const TSettingKey* found = std::ranges::find_if(
                kGeodeticKeys,
                [&](const TSettingKey& k) { return std::string_view(k.key) == key; });
            if (found == kGeodeticKeys.end() || found->kind != TSettingKind::Text) continue;
            FGPS->findChild<QLineEdit*>(found->control)->setText(value);
        }
    }
    FGPS->cbUseTMProjection->setChecked(true);
}

TSurveyRun::~TSurveyRun() {
    if (RealtimeRunning) FNav->bRealtimeClick();
}

void TSurveyRun::SendGnss(std::string_view bytes) { gnss_.Send(bytes); }

void TSurveyRun::SendTelegram(std::string_view telegram) {
    sounder_.Send(std::string(telegram) + "\r\n");
}

std::string TSurveyRun::LogPath() const { return DaySurveyFiles().logPath; }

std::string TSurveyRun::XyzPath() const { return DaySurveyFiles().xyzPath; }

std::string TSurveyRun::GeodesyLogPath() const {
    return LogDir + GetDateFolderName() + " Geodesy.txt";
}

std::vector<std::string> DeviceLines(const std::string& file) {
    std::vector<std::string> lines = SplitLines(ReceiverStream(ReadFileBytes(file), true));
    std::erase_if(lines, [](const std::string& line) { return line.empty(); });
    return lines;
}

std::vector<std::string> GnssEpochs(const std::string& file) {
    std::vector<std::string> epochs;
    for (const std::string& line : DeviceLines(file)) {
        if (line.find("ZDA") != std::string::npos || epochs.empty()) epochs.emplace_back();
        epochs.back() += line + "\r\n";
    }
    return epochs;
}
