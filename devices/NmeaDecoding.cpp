// GGA, RMC and VTG decoding of TOrvaltSerialGPS.
//
// Lines arrive trimmed and beginning with "$". The checksum and what follows it are cut off
// and not verified. The type is the three characters after "$" and the two-letter talker, so
// GP, GN, GL, GA, BD and any other talker decode alike. A sentence with too few fields is
// ignored; a field that does not convert gives 0. Only a change of the stored position or
// speed raises an event. The checksum is not checked, so a damaged line can carry any digits:
// a GGA whose position lies off the globe and a speed that is negative or not finite are
// skipped and counted, never stored.

#include "devices/OrvaltSerialGPS.h"

#include "platform/Clock.h"
#include "platform/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMinutesPerDegree = 60;
constexpr double kMaxLatitude = 90;
constexpr double kMaxLongitude = 180;

double Number(std::string_view field) { return StrToFloatDef(field, 0); }

struct TSentenceDecoder {
    std::string_view type;
    void (TOrvaltSerialGPS::*decode)(std::string_view sentence);
};

constexpr TSentenceDecoder kDecoders[] = {
    {"GGA", &TOrvaltSerialGPS::ParseGGA},
    {"RMC", &TOrvaltSerialGPS::ParseRMC},
    {"VTG", &TOrvaltSerialGPS::ParseVTG},
};

}  // namespace

void TOrvaltSerialGPS::ParseSentence(std::string_view line) {
    const std::string_view sentence = line.substr(0, line.find('*'));
    if (sentence.size() < 6) return;
    const std::string_view type = sentence.substr(3, 3);
    for (const TSentenceDecoder& decoder : kDecoders) {
        if (type == decoder.type) return (this->*decoder.decode)(sentence);
    }
}

// $GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,
//   1 time, 2 latitude, 3 N/S, 4 longitude, 5 E/W, 6 quality, 7 satellites, 8 HDOP,
//   9 altitude, 10 "M", 11 geoid separation, ...
// Empty quality, satellite or altitude fields keep the previous values; empty position fields
// give 0, so a receiver that loses its fix moves the position to 0, 0. Every GGA with a position
// stamps it, changed or not, so its owner can tell a current position from a stale one.
void TOrvaltSerialGPS::ParseGGA(std::string_view sentence) {
    const std::vector<std::string_view> fields = SplitFields(sentence, ',');
    if (fields.size() < 10) return;
    const double lat = NmeaToDegrees(fields[2], fields[3]);
    const double lon = NmeaToDegrees(fields[4], fields[5]);
    if (std::fabs(lat) > kMaxLatitude || std::fabs(lon) > kMaxLongitude) {
        ++skippedValues_;
        return;
    }
    if (!fields[6].empty()) fixQuality_ = StrToIntDef(fields[6], 0);
    if (!fields[7].empty()) satellites_ = StrToIntDef(fields[7], 0);
    const double alt = fields[9].empty() ? alt_ : Number(fields[9]);
    positionTick_ = lat != 0 || lon != 0 ? std::max<std::uint64_t>(GetTickCount(), 1) : 0;
    if (lat == lat_ && lon == lon_ && alt == alt_) return;
    lat_ = lat;
    lon_ = lon;
    alt_ = alt;
    if (OnPosition3DChange) OnPosition3DChange(this, lat, lon, alt);
}

// $GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W
//   1 time, 2 status, 3 to 6 position, 7 speed in knots, 8 course, 9 date, ...
// The status letter and the position are not used.
void TOrvaltSerialGPS::ParseRMC(std::string_view sentence) {
    const std::vector<std::string_view> fields = SplitFields(sentence, ',');
    if (fields.size() < 8) return;
    if (!fields[7].empty()) StoreSpeed(Number(fields[7]) * kKmPerNauticalMile);
    if (fields.size() > 8 && !fields[8].empty()) course_ = Number(fields[8]);
}

// $GPVTG,054.7,T,034.4,M,005.5,N,010.2,K
//   1 true course, 2 "T", 3 magnetic course, 4 "M", 5 knots, 6 "N", 7 km/h, 8 "K"
void TOrvaltSerialGPS::ParseVTG(std::string_view sentence) {
    const std::vector<std::string_view> fields = SplitFields(sentence, ',');
    if (fields.size() < 8) return;
    if (!fields[1].empty()) course_ = Number(fields[1]);
    if (!fields[7].empty()) StoreSpeed(Number(fields[7]));
}

void TOrvaltSerialGPS::StoreSpeed(double speed) {
    if (!std::isfinite(speed) || speed < 0) {
        ++skippedValues_;
        return;
    }
    if (speed == speed_) return;
    speed_ = speed;
    if (OnSpeedChange) OnSpeedChange(this, speed);
}

std::vector<std::string_view> TOrvaltSerialGPS::SplitFields(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos;
         start = at + 1) {
        fields.push_back(text.substr(start, at - start));
    }
    fields.push_back(text.substr(start));
    return fields;
}

// The number of degree digits follows the hemisphere letter, compared exactly: "E" and "W"
// mean three, anything else two; only "S" and "W" make the value negative. A lower-case
// hemisphere is therefore positive, and a lower-case "e" or "w" is read with two digits.
double TOrvaltSerialGPS::NmeaToDegrees(std::string_view value, std::string_view hemisphere) {
    const std::size_t dot = value.find('.');
    if (dot == std::string_view::npos || dot < 2) return 0;
    const bool longitude = hemisphere == "E" || hemisphere == "W";
    const std::size_t degreeDigits = longitude ? 3 : 2;
    const double degrees = Number(value.substr(0, degreeDigits)) +
                           Number(value.substr(degreeDigits)) / kMinutesPerDegree;
    return (hemisphere == "S" || hemisphere == "W") ? -degrees : degrees;
}
