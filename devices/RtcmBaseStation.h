#pragma once
// The reference station that sends the corrections, as the NTRIP window watches it.
//
// Every block of correction bytes the client delivers is scanned on its own, from a fresh
// scanner, so a frame cut by a block boundary is not seen; with 1005 or 1006 sent every few
// seconds the next one is. A station whose antenna reference point lies in the plausible band
// is reported when its id differs from the last reported one or it moved more than 1e-5
// degree in latitude or longitude (about a metre; the height is not compared): a line in the
// window's log, a record appended to the day's events log, and the new record stored.

#include <QDateTime>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The NTRIP window's BaseStationId, BaseLatitude, BaseLongitude and BaseHeight.
struct TRtcmBaseRecord {
    int stationId = 0;
    double latitudeDeg = 0;
    double longitudeDeg = 0;
    double heightM = 0;
};

// The station of a 1005 or 1006 message whose position lies in the plausible band.
std::optional<TRtcmBaseRecord> PlausibleBaseStation(std::string_view message);

// The same id, and latitude and longitude each within 1e-5 degree.
bool IsSameBaseStation(const TRtcmBaseRecord& station, const TRtcmBaseRecord& stored);

// "Base #25: 53.34480000, -2.64050000, 60.12m" (8 and 2 decimals).
std::string BaseStationLogLine(const TRtcmBaseRecord& station);

// "Auto Event:\t2024-05-01 143005000\tNTRIP Base Station #25: ..." in the events-log record
// layout; the milliseconds are always "000".
std::string BaseStationEventRecord(const TRtcmBaseRecord& station, const QDateTime& now);

// Appends the record and CR LF to the file, after CR LF when the file does not end in a line
// break; the earlier bytes are not touched. On failure returns false with the reason in error.
bool AppendBaseStationRecord(const std::string& record, const std::string& path,
                             std::string& error);

// The stations of one block to report, in stream order; `stored` ends as the last of them.
std::vector<TRtcmBaseRecord> ScanBlockForBaseStations(std::string_view block,
                                                      TRtcmBaseRecord& stored);

// The whole watch of one block: each station to report goes to addLog, then to the events
// log (EventLogFilePath) when the day's LOG folder exists, then into `stored`. A failed
// events-log write is reported through addLog too.
void WatchBaseStations(std::string_view block, TRtcmBaseRecord& stored,
                       const std::function<void(const std::string& line)>& addLog);
