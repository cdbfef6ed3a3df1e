#pragma once
// Real receiver logs as the bytes the receiver sent.
//
// The stored logs carry what no receiver sends: "#" comment lines (a provenance header) and,
// in the OpenRVDAS logs, the logger's time stamp before each sentence. Both are taken out;
// everything else, line ends, NUL bytes and non-NMEA lines included, stays as stored.

#include <string>
#include <vector>

struct TReceiverLog {
    std::string name;    // file name
    std::string stream;  // the bytes as they came from the receiver
};

// The receiver stream of a stored log; `timeStamped` drops the text up to the first blank of
// every line.
std::string ReceiverStream(const std::string& logText, bool timeStamped);

// Every log of `folder` + "nmea/", in name order; empty when the folder is absent.
std::vector<TReceiverLog> RealReceiverLogs(const std::string& folder);
