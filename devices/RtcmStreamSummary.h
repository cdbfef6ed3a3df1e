#pragma once
// What a buffer of RTCM 3 bytes says about its reference station and its signals: the values
// the RTCM report shows, gathered frame by frame. Only frames whose CRC matches count; a later
// frame overwrites what an earlier one set.

#include "devices/RtcmArpPosition.h"
#include "devices/RtcmMessageNames.h"

#include <map>
#include <string>
#include <string_view>

struct TRtcmStreamSummary {
    int frameCount = 0;
    std::map<int, int> countByNumber;  // frames of a message under 2 bytes have no number

    int stationId = 0;  // DF003 of the last 1005, 1006, 1007, 1008 or 1033

    // From the last 1005 or 1006 long enough to decode.
    bool arpDecoded = false;
    int itrfYear = 0;
    bool gps = false;
    bool glonass = false;
    bool galileo = false;
    bool nonPhysical = false;
    double xM = 0;
    double yM = 0;
    double zM = 0;
    int implausibleArps = 0;  // decoded positions outside the plausible band

    // From the last plausible 1005 or 1006.
    bool arpValid = false;
    TArpGeodetic arp;

    double antennaHeightM = 0;  // DF028 of the last 1006 that carries it

    std::string antennaType;
    std::string antennaSerial;
    int setupId = 0;  // from 1033
    std::string receiverType;
    std::string receiverFirmware;
    std::string receiverSerial;

    TRtcmSignals signalFlags;
};

TRtcmStreamSummary SummariseRtcmStream(std::string_view bytes);
