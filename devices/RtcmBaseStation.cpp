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

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr double kSamePlaceDeg = 1e-5;

// "25: 53.34480000, -2.64050000, 60.12m", shared by the log line and the events-log record.
std::string StationText(const TRtcmBaseRecord& station) {
    return IntToStr(station.stationId) + ": " + FloatToStrF(station.latitudeDeg, 12, 8) + ", " +
           FloatToStrF(station.longitudeDeg, 12, 8) + ", " + FloatToStrF(station.heightM, 10, 2) +
           "m";
}

bool WriteAll(int descriptor, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// CR LF when the file has bytes and its last one is not a line feed.
std::string LeadingLineBreak(int descriptor) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || status.st_size == 0) return "";
    char last = '\n';
    if (::pread(descriptor, &last, 1, status.st_size - 1) != 1) return "";
    return last == '\n' ? "" : "\r\n";
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
    char time[16];
    std::snprintf(time, sizeof time, "%02d%02d%02d000", now.time().hour(), now.time().minute(),
                  now.time().second());
    return "Auto Event:\t" + DateToStr(now.date()) + " " + time + "\tNTRIP Base Station #" +
           StationText(station);
}

bool AppendBaseStationRecord(const std::string& record, const std::string& path,
                             std::string& error) {
    const int descriptor = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        error = "Cannot open file \"" + path + "\". " + std::strerror(errno);
        return false;
    }
    const bool written = WriteAll(descriptor, LeadingLineBreak(descriptor) + record + "\r\n");
    const int writeErrno = errno;
    const bool closed = ::close(descriptor) == 0;
    if (!written || !closed) {
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
