#include "devices/NtripRequest.h"

#include "platform/DateTimeText.h"
#include "platform/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr char kBase64Alphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kUserAgent[] = "User-Agent: NTRIP OrvaltNTRIPClient/1.0\r\n";
constexpr double kMinutesPerDegree = 60;
constexpr long long kMinuteScale = 10000;  // four decimals of a minute

}  // namespace

std::string Base64Encode(std::string_view bytes) {
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            const auto byte = k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u;
            group = (group << 8) | byte;
        }
        for (std::size_t k = 0; k < 4; ++k) {
            text += k <= n ? kBase64Alphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
        }
    }
    return text;
}

std::string BuildNtripRequest(int requestMode, const std::string& host,
                              const std::string& mountPoint, const std::string& username,
                              const std::string& password) {
    if (requestMode != 0 && requestMode != 1) return {};
    std::string request;
    if (requestMode == 0) {
        request = "GET /" + mountPoint + " HTTP/1.0\r\n" + kUserAgent;
    } else {
        request = "GET /" + mountPoint + " HTTP/1.1\r\nHost: " + host +
                  "\r\nNtrip-Version: Ntrip/2.0\r\n" + kUserAgent;
    }
    if (!username.empty()) {
        request += "Authorization: Basic " + Base64Encode(username + ":" + password) + "\r\n";
    }
    return request + "\r\n";
}

std::string NmeaChecksum(std::string_view body) {
    unsigned char sum = 0;
    for (const char c : body) sum ^= static_cast<unsigned char>(c);
    constexpr char kHex[] = "0123456789ABCDEF";
    return {kHex[sum >> 4], kHex[sum & 0x0F]};
}

std::string GgaDegreesMinutes(double degrees, int degreeDigits) {
    const double magnitude = std::fabs(degrees);
    double whole = std::trunc(magnitude);
    long long minutes = std::llround((magnitude - whole) * kMinutesPerDegree * kMinuteScale);
    if (minutes >= static_cast<long long>(kMinutesPerDegree) * kMinuteScale) {
        whole += 1;
        minutes -= static_cast<long long>(kMinutesPerDegree) * kMinuteScale;
    }
    return FormatFixed(whole, 0, degreeDigits) +
           FormatFixed(static_cast<double>(minutes) / kMinuteScale, 4, 7);
}

std::string BuildGgaSentence(double lat, double lon, double alt, const QDateTime& utc) {
    const std::string body = "GPGGA," + TimeToStr(utc.time()).substr(0, 6) + "," +
                             GgaDegreesMinutes(lat, 2) + (lat >= 0 ? ",N," : ",S,") +
                             GgaDegreesMinutes(lon, 3) + (lon >= 0 ? ",E," : ",W,") + "1,10,1.0," +
                             FormatFixed(alt, 1) + ",M,0.0,M,,";
    return "$" + body + "*" + NmeaChecksum(body);
}
