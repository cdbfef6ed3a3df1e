#include "devices/RtcmBaseStation.h"

#include "devices/RtcmArpPosition.h"
#include "devices/RtcmFrameScanner.h"
#include "devices/RtcmMessages.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/DateTimeText.h"
#include "platform/EventLog.h"
#include "platform/NumberFormat.h"
#include "platform/Paths.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr double kSamePlaceDeg = 1e-5;

// "25: 53.34480000, -2.64050000, 60.12m", shared by the log line and the events-log record.
std::string StationText(const TRtcmBaseRecord& station) {
    return IntToStr(station.stationId) + ": " + FloatToStrF(station.latitudeDeg, 12, 8) + ", " +
           FloatToStrF(station.longitudeDeg, 12, 8) + ", " + FloatToStrF(station.heightM, 10, 2) +
           "m";
}

struct TFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// CR LF when the file has bytes and its last one is not a line feed.
std::string LeadingLineBreak(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0 || std::ftell(file) <= 0) return "";
    std::fseek(file, -1, SEEK_END);
    return std::fgetc(file) == '\n' ? "" : "\r\n";
}

}  // namespace

std::optional<TRtcmBaseRecord> PlausibleBaseStation(std::string_view message) {
    const std::optional<int> number = RtcmMessageNumber(message);
    if (number != 1005 && number != 1006) return std::nullopt;
    const std::optional<TRtcmStationArp> arp = DecodeStationArp(message);
    if (!arp || !IsPlausibleArp(arp->xM, arp->yM, arp->zM)) return std::nullopt;
    const TArpGeodetic position = EcefToGeodetic(arp->xM, arp->yM, arp->zM);
    return TRtcmBaseRecord{arp->stationId, position.latitudeDeg, position.longitudeDeg,
                           position.heightM};
}

bool IsSameBaseStation(const TRtcmBaseRecord& station, const TRtcmBaseRecord& stored) {
    return station.stationId == stored.stationId &&
           std::fabs(station.latitudeDeg - stored.latitudeDeg) <= kSamePlaceDeg &&
           std::fabs(station.longitudeDeg - stored.longitudeDeg) <= kSamePlaceDeg;
}

std::string BaseStationLogLine(const TRtcmBaseRecord& station) {
    return "Base #" + StationText(station);
}

std::string BaseStationEventRecord(const TRtcmBaseRecord& station, const QDateTime& now) {
    const QTime wholeSecond(now.time().hour(), now.time().minute(), now.time().second());
    return "Auto Event:\t" + DateToStr(now.date()) + " " + TimeToStr(wholeSecond) +
           "\tNTRIP Base Station #" + StationText(station);
}

bool AppendBaseStationRecord(const std::string& record, const std::string& path,
                             std::string& error) {
    errno = 0;
    std::unique_ptr<std::FILE, TFileCloser> file(std::fopen(path.c_str(), "a+b"));
    if (!file) {
        error = "Cannot open file \"" + path + "\". " + std::strerror(errno);
        return false;
    }
    const std::string bytes = LeadingLineBreak(file.get()) + record + "\r\n";
    std::fseek(file.get(), 0, SEEK_END);  // C wants a seek between reading and writing
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                         std::fflush(file.get()) == 0;
    const int writeErrno = errno;
    if (std::fclose(file.release()) != 0 || !written) {
        error =
            "Cannot write to file \"" + path + "\". " + std::strerror(written ? errno : writeErrno);
        return false;
    }
    return true;
}

std::vector<TRtcmBaseRecord> ScanBlockForBaseStations(std::string_view block,
                                                      TRtcmBaseRecord& stored) {
    std::vector<TRtcmBaseRecord> reports;
    TRtcmFrameScanner scanner;
    const TRtcmFrameScanner::TFrameSink take = [&](std::string_view frame) {
        const std::optional<TRtcmBaseRecord> station = PlausibleBaseStation(RtcmMessageOf(frame));
        if (!station || IsSameBaseStation(*station, stored)) return;
        reports.push_back(*station);
        stored = *station;
    };
    scanner.Feed(block, take);
    scanner.Finish(take);
    return reports;
}

void WatchBaseStations(std::string_view block, TRtcmBaseRecord& stored,
                       const std::function<void(const std::string& line)>& addLog) {
    TRtcmBaseRecord scanned = stored;
    for (const TRtcmBaseRecord& station : ScanBlockForBaseStations(block, scanned)) {
        addLog(BaseStationLogLine(station));
        std::string error;
        if (DirectoryExists(LogDir) &&
            !AppendBaseStationRecord(BaseStationEventRecord(station, Now()), EventLogFilePath(),
                                     error)) {
            addLog(error);
        }
        stored = station;
    }
}
