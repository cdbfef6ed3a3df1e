#pragma once
// The RTCM report of the NTRIP window's "RTCM Parsing" button: the client's recent correction
// bytes turned into lines of text about the reference station, its antenna and receiver, the
// signals, the vessel's distance to the station and the messages received.
//
// The builder is a pure function of its input: the caller copies the client's ReceivedData
// under the client's lock and supplies the clock and the zone bias, so a test can fix all.

#include "devices/RtcmBaseStation.h"

#include <QDateTime>

#include <string>
#include <vector>

struct TRtcmReportInput {
    std::string receivedData;  // a copy of the client's ReceivedData
    double lat = 0;            // the client's GGA position: degrees, north and east positive
    double lon = 0;
    double alt = 0;  // metres
    bool manualPosition = false;
    QDateTime now;               // local date and time shown in the header
    int zoneBiasMinutes = 0;     // UTC = local time + bias, daylight saving not applied
    TRtcmBaseRecord baseRecord;  // the NTRIP window's last reported station
};

struct TRtcmReport {
    std::vector<std::string> lines;
    std::string baseLogLine;     // "Base #..." when the station record changes, else empty
    TRtcmBaseRecord baseRecord;  // the record to store
};

TRtcmReport BuildRtcmReport(const TRtcmReportInput& input);

// "GMT+03:00" for a bias of -180 minutes, "GMT-05:00" for 300.
std::string ZoneText(int biasMinutes);

// The local zone's standard-time bias in minutes, as the operating system has it now.
int StandardZoneBiasMinutes();

// Where "Save && Close" writes the report: the LOG folder of the given day below SmkRoot(),
// "<root><date>/LOG/<date> Orvalt RTCM Parsing.log".
std::string RtcmReportFilePath(const QDate& day);

// Creates the day's LOG folder with its parents and replaces the file by the lines, each ended
// with CR LF, atomically. On failure returns false with the reason in error.
bool SaveRtcmReport(const std::vector<std::string>& lines, const QDate& day, std::string& error);
