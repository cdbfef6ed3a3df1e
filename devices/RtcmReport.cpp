#include "devices/RtcmReport.h"

#include "devices/NtripRequest.h"
#include "devices/RtcmMessageNames.h"
#include "devices/RtcmStreamSummary.h"
#include "platform/DateTimeText.h"
#include "platform/NumberFormat.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

using TLines = std::vector<std::string>;

constexpr double kPi = 3.141592653589793;
constexpr double kHalfTurnDeg = 180;
constexpr double kFullTurnDeg = 360;
constexpr double kEarthRadiusM = 6371000;  // sphere of the haversine distance
constexpr double kMetresPerKm = 1000;
constexpr double kNoteDistanceM = 20000;
constexpr double kWarningDistanceM = 35000;
constexpr int kYearsBase = 2000;  // DF021 counts from here
const std::string kDoubleRule(48, '=');

double Radians(double degrees) { return degrees * kPi / kHalfTurnDeg; }

// A blank line unless first, the title, and a rule of "-" as long as the title.
void Section(TLines& lines, const std::string& title, bool blankBefore = true) {
    if (blankBefore) lines.emplace_back();
    lines.push_back(title);
    lines.push_back(std::string(title.size(), '-'));
}

void Header(TLines& lines, const TRtcmReportInput& input) {
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", input.now.time().hour(),
                  input.now.time().minute(), input.now.time().second());
    lines.push_back("Quellbay - RTCM Message Parser v1.0");
    lines.push_back(DateToStr(input.now.date()) + " " + time + " " +
                    ZoneText(input.zoneBiasMinutes));
    lines.push_back("Buffer size: " + IntToStr(static_cast<long long>(input.receivedData.size())) +
                    " bytes");
    lines.push_back(kDoubleRule);
    lines.emplace_back();
}

void StationSection(TLines& lines, const TRtcmStreamSummary& s) {
    Section(lines, "ANTENNA REFERENCE POINT (ARP)", false);
    if (s.stationId != 0) lines.push_back("Station ID: " + IntToStr(s.stationId));
    if (s.itrfYear != 0) lines.push_back("ITRF Realization: " + IntToStr(kYearsBase + s.itrfYear));
    std::string systems;
    for (const auto& [set, name] : {std::pair{s.gps, "GPS"}, std::pair{s.glonass, "GLONASS"},
                                    std::pair{s.galileo, "Galileo"}}) {
        if (set) systems += (systems.empty() ? "" : " ") + std::string(name);
    }
    if (!systems.empty()) lines.push_back("Station Systems: " + systems);
    if (s.arpDecoded && !s.nonPhysical) {
        lines.push_back("Reference Station: Physical (not virtual)");
    }
    if (s.arpValid) {
        lines.insert(
            lines.end(),
            {"", "ECEF Coordinates:", "  X: " + FloatToStrF(s.xM, 15, 4) + " m",
             "  Y: " + FloatToStrF(s.yM, 15, 4) + " m", "  Z: " + FloatToStrF(s.zM, 15, 4) + " m",
             "", "Geographic Coordinates (WGS84):",
             "  Latitude:  " + FloatToStrF(s.arp.latitudeDeg, 15, 8) + " deg",
             "  Longitude: " + FloatToStrF(s.arp.longitudeDeg, 15, 8) + " deg",
             "  Altitude:  " + FloatToStrF(s.arp.heightM, 15, 3) + " m"});
    }
    if (s.antennaHeightM > 0) {
        lines.emplace_back();
        lines.push_back("Antenna Height (ARP to marker): " + FloatToStrF(s.antennaHeightM, 10, 4) +
                        " m");
    }
}

void AddIfNotEmpty(TLines& lines, const std::string& label, const std::string& text) {
    if (!text.empty()) lines.push_back(label + text);
}

void DescriptorSections(TLines& lines, const TRtcmStreamSummary& s) {
    if (!s.antennaType.empty() || !s.antennaSerial.empty()) {
        Section(lines, "ANTENNA DESCRIPTOR");
        AddIfNotEmpty(lines, "Antenna Type: ", s.antennaType);
        AddIfNotEmpty(lines, "Antenna Serial: ", s.antennaSerial);
        if (s.setupId != 0) lines.push_back("Setup ID: " + IntToStr(s.setupId));
    }
    if (!s.receiverType.empty() || !s.receiverFirmware.empty() || !s.receiverSerial.empty()) {
        Section(lines, "RECEIVER & ANTENNA DESCRIPTORS");
        AddIfNotEmpty(lines, "Receiver Type: ", s.receiverType);
        AddIfNotEmpty(lines, "Receiver Firmware: ", s.receiverFirmware);
        AddIfNotEmpty(lines, "Receiver Serial: ", s.receiverSerial);
    }
    if (s.signalFlags.Any()) {
        Section(lines, "SIGNALS AVAILABLE");
        const TLines signalLines = s.signalFlags.Lines();
        lines.insert(lines.end(), signalLines.begin(), signalLines.end());
    }
}

// Haversine distance and initial bearing from the vessel towards the base, on a sphere.
void DistanceLines(TLines& lines, const TRtcmReportInput& input, const TArpGeodetic& base) {
    const double phi1 = Radians(input.lat), phi2 = Radians(base.latitudeDeg);
    const double dLambda = Radians(base.longitudeDeg - input.lon);
    const double sinHalfPhi = std::sin((phi2 - phi1) / 2), sinHalfLambda = std::sin(dLambda / 2);
    const double a =
        sinHalfPhi * sinHalfPhi + std::cos(phi1) * std::cos(phi2) * sinHalfLambda * sinHalfLambda;
    const double d = 2 * kEarthRadiusM * std::atan2(std::sqrt(a), std::sqrt(1 - a));
    const double theta = std::atan2(
        std::sin(dLambda) * std::cos(phi2),
        std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(dLambda));
    const double bearing = std::fmod(theta * kHalfTurnDeg / kPi + kFullTurnDeg, kFullTurnDeg);
    lines.push_back("Distance to Base: " + (d < kMetresPerKm
                                                ? FloatToStrF(d, 10, 1) + " m"
                                                : FloatToStrF(d / kMetresPerKm, 10, 2) + " km"));
    lines.push_back("Bearing to Base: " + FloatToStrF(bearing, 10, 1) + " deg");
    if (d > kWarningDistanceM) {
        lines.insert(lines.end(),
                     {"", "WARNING: Distance > 35 km - RTK accuracy may be degraded!"});
    } else if (d > kNoteDistanceM) {
        lines.insert(lines.end(),
                     {"", "NOTE: Distance > 20 km - Consider using closer base station"});
    }
}

void VesselSection(TLines& lines, const TRtcmReportInput& input, const TArpGeodetic& base) {
    Section(lines, "VESSEL POSITION (sent to VRS)");
    lines.push_back("  Latitude:  " + FloatToStrF(input.lat, 15, 8) + " deg");
    lines.push_back("  Longitude: " + FloatToStrF(input.lon, 15, 8) + " deg");
    lines.push_back("  Altitude:  " + FloatToStrF(input.alt, 10, 1) + " m");
    lines.push_back(std::string("  Manual Position: ") + (input.manualPosition ? "Yes" : "No"));
    lines.push_back("  GGA Lat: " + GgaDegreesMinutes(input.lat, 2) +
                    (input.lat >= 0 ? " N" : " S"));
    lines.push_back("  GGA Lon: " + GgaDegreesMinutes(input.lon, 3) +
                    (input.lon >= 0 ? " E" : " W"));
    if (input.lat != 0 || input.lon != 0) {
        Section(lines, "DISTANCE TO BASE STATION");
        lines.emplace_back();
        DistanceLines(lines, input, base);
    } else {
        lines.insert(lines.end(),
                     {"", "(Vessel position not available - cannot calculate distance)"});
    }
}

void MessageSection(TLines& lines, const TRtcmStreamSummary& s) {
    Section(lines, "RTCM MESSAGES RECEIVED");
    for (const auto& [number, count] : s.countByNumber) {
        lines.push_back("  " + IntToStr(number) + " - " + RtcmMessageName(number) + " (x" +
                        IntToStr(count) + ")");
    }
    lines.insert(lines.end(),
                 {"", kDoubleRule, "Total: " + IntToStr(s.frameCount) + " RTCM messages parsed"});
}

// Unlike the block scan, a station is reported again while the stored position is (0, 0).
void UpdateBaseRecord(TRtcmReport& report, const TRtcmStreamSummary& s) {
    const TRtcmBaseRecord station{s.stationId, s.arp.latitudeDeg, s.arp.longitudeDeg,
                                  s.arp.heightM};
    const TRtcmBaseRecord& stored = report.baseRecord;
    const bool storedIsZero = stored.latitudeDeg == 0 && stored.longitudeDeg == 0;
    if (!storedIsZero && IsSameBaseStation(station, stored)) return;
    report.baseLogLine = BaseStationLogLine(station);
    report.baseRecord = station;
}

// " " and the system's reason of the last failed call, when it left one.
std::string ErrnoReason() { return errno ? std::string(" ") + std::strerror(errno) : ""; }

}  // namespace

TRtcmReport BuildRtcmReport(const TRtcmReportInput& input) {
    TRtcmReport report;
    report.baseRecord = input.baseRecord;
    TLines& lines = report.lines;
    Header(lines, input);
    const TRtcmStreamSummary summary = SummariseRtcmStream(input.receivedData);
    for (int i = 0; i < summary.implausibleArps; ++i) {
        lines.push_back("  WARNING: ECEF magnitude invalid - parsing may be incorrect!");
    }
    StationSection(lines, summary);
    DescriptorSections(lines, summary);
    if (summary.arpValid) VesselSection(lines, input, summary.arp);
    MessageSection(lines, summary);
    if (summary.arpValid) UpdateBaseRecord(report, summary);
    return report;
}

std::string ZoneText(int biasMinutes) {
    const int hours = -(biasMinutes / 60);
    const int minutes = std::abs(biasMinutes) % 60;
    char text[24];
    if (biasMinutes <= 0) {
        std::snprintf(text, sizeof text, "GMT+%02d:%02d", hours, minutes);
    } else {
        std::snprintf(text, sizeof text, "GMT%03d:%02d", hours, minutes);
    }
    return text;
}

int StandardZoneBiasMinutes() {
    ::tzset();
    return static_cast<int>(::timezone / 60);
}

std::string RtcmReportFilePath(const QDate& day) {
    const std::string date = DateToStr(day);
    return SmkRoot() + date + "/LOG/" + date + " Orvalt RTCM Parsing.log";
}

bool SaveRtcmReport(const std::vector<std::string>& lines, const QDate& day, std::string& error) {
    const std::string path = RtcmReportFilePath(day);
    const std::string folder = path.substr(0, path.rfind('/'));
    errno = 0;
    if (!CreateDirectories(folder)) {
        error = "Cannot create folder \"" + folder + "\"." + ErrnoReason();
        return false;
    }
    errno = 0;
    if (!WriteFileAtomically(path, JoinCrLf(lines))) {
        error = "Cannot create file \"" + path + "\"." + ErrnoReason();
        return false;
    }
    return true;
}
