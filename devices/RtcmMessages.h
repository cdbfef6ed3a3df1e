#pragma once
// Decoders of the RTCM 3 messages the program reads: the station position (1005, 1006) and the
// antenna and receiver descriptors (1007, 1008, 1033).
//
// Each takes the message bytes of a frame whose CRC matched (RtcmMessageOf) and reads only
// inside them: a field that does not fit is absent, never read from the CRC or beyond.
// Descriptor texts are 8-bit bytes, returned as UTF-8 (valid UTF-8 as it is, else read as
// Windows-1254).

#include <optional>
#include <string>
#include <string_view>

// The 12-bit message number (DF002); absent below 2 bytes.
std::optional<int> RtcmMessageNumber(std::string_view message);
// The 12-bit reference station id (DF003); absent below 3 bytes.
std::optional<int> RtcmStationId(std::string_view message);

// The antenna reference point of a 1005 or 1006 message.
struct TRtcmStationArp {
    int stationId = 0;  // DF003
    int itrfYear = 0;   // DF021, years after 2000
    bool gps = false;   // DF022 to DF024: systems the station serves
    bool glonass = false;
    bool galileo = false;
    bool nonPhysical = false;  // DF141: a computed (virtual) station
    double xM = 0;             // DF025 to DF027: earth-centred coordinates, metres
    double yM = 0;
    double zM = 0;
};

// Absent below the 19 bytes of a 1005 message. The message number is not checked.
std::optional<TRtcmStationArp> DecodeStationArp(std::string_view message);
// DF028 of a 1006 message, metres; absent below its 21 bytes.
std::optional<double> DecodeAntennaHeight(std::string_view message);

// Descriptor texts: a field is absent when its counter or its text does not fit the message
// or the counter lies outside 1 to 31 (0 gives an empty text in 1033).
struct TRtcmDescriptors {
    std::optional<std::string> antennaType;    // DF030
    std::optional<std::string> antennaSerial;  // DF033
    std::optional<int> setupId;                // DF031, reported from 1033 only
    std::optional<std::string> receiverType;   // DF228
    std::optional<std::string> receiverFirmware;
    std::optional<std::string> receiverSerial;
};

TRtcmDescriptors DecodeAntennaDescriptor(std::string_view message);        // 1007
TRtcmDescriptors DecodeAntennaDescriptorSerial(std::string_view message);  // 1008
TRtcmDescriptors DecodeReceiverDescriptors(std::string_view message);      // 1033
