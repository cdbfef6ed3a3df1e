#pragma once
// Binds every event of a TOrvaltNTRIPClient and records what it reports, and checks the GGA
// sentences a caster received.

#include "devices/NtripRequest.h"
#include "devices/OrvaltNTRIPClient.h"
#include "tests/support/RecordFields.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

struct TNtripStatus {
    int Code;
    std::string Text;
    bool operator==(const TNtripStatus&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const TNtripStatus& status) {
    return out << status.Code << " \"" << status.Text << "\"";
}

struct TNtripClientRecorder {
    explicit TNtripClientRecorder(TOrvaltNTRIPClient& client) {
        client.OnStatusChange = [this, &client](TOrvaltNTRIPClient*, int code,
                                                const std::string& text) {
            Statuses.push_back({code, text});
            BytesSentAtStatus.push_back(client.BytesSent);
        };
        client.OnDataReceived = [this](TOrvaltNTRIPClient*, const char* data, int length) {
            Delivered.append(data, static_cast<std::size_t>(length));
            ++DataEvents;
            if (OnData) OnData();
        };
        client.OnSourceTable = [this](TOrvaltNTRIPClient*, const std::vector<std::string>& list) {
            SourceTables.push_back(list);
        };
        client.OnLog = [this](TOrvaltNTRIPClient*, const std::string& text) {
            Logs.push_back(text);
        };
    }

    void Clear() {
        Statuses.clear();
        BytesSentAtStatus.clear();
        Logs.clear();
        Delivered.clear();
        DataEvents = 0;
        SourceTables.clear();
    }

    // The worker's last report after a connection: status 0 "Disconnected".
    bool Ended() const {
        return !Statuses.empty() && Statuses.back() == TNtripStatus{0, "Disconnected"};
    }
    bool Logged(const std::string& text) const {
        return std::find(Logs.begin(), Logs.end(), text) != Logs.end();
    }

    std::vector<TNtripStatus> Statuses;
    std::vector<std::int64_t> BytesSentAtStatus;
    std::vector<std::string> Logs;
    std::string Delivered;
    int DataEvents = 0;
    std::vector<std::vector<std::string>> SourceTables;
    std::function<void()> OnData;  // runs inside each data hand-off, after it is recorded
};

// The lines of an upload, each with its CR LF.
inline std::vector<std::string> UploadedLines(const std::string& uploads) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < uploads.size();) {
        const std::size_t end = uploads.find("\r\n", start);
        const std::size_t next = end == std::string::npos ? uploads.size() : end + 2;
        lines.push_back(uploads.substr(start, next - start));
        start = next;
    }
    return lines;
}

// Whether `field` is digits, ".", digits: exactly `before` and `after` of them, or at least
// one where the count is 0.
inline bool IsFixedNumber(std::string_view field, std::size_t before, std::size_t after) {
    const std::size_t dot = field.find('.');
    if (dot == std::string_view::npos) return false;
    const std::string_view whole = field.substr(0, dot);
    const std::string_view fraction = field.substr(dot + 1);
    const auto digits = [](std::string_view part, std::size_t count) {
        return (count ? part.size() == count : !part.empty()) &&
               part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return digits(whole, before) && digits(fraction, after);
}

// A GGA upload as casters expect it:
//   $GPGGA,hhmmss,ddmm.mmmm,N|S,dddmm.mmmm,E|W,1,10,1.0,[-]a.a,M,0.0,M,,*CS\r\n
// with a checksum that matches.
inline ::testing::AssertionResult IsValidGga(const std::string& line) {
    const auto fail = [&line] {
        return ::testing::AssertionFailure() << "not a GGA upload: " << line;
    };
    if (!line.starts_with("$") || !line.ends_with("\r\n")) return fail();
    const std::size_t star = line.find('*');
    if (star == std::string::npos || line.size() != star + 5) return fail();
    const std::string body = line.substr(1, star - 1);
    const std::vector<std::string> f = CommaFields(body);
    const std::string_view altitude =
        f.size() > 9 && f[9].starts_with("-") ? std::string_view(f[9]).substr(1) : "";
    const bool layout = f.size() == 15 && f[0] == "GPGGA" && f[1].size() == 6 &&
                        f[1].find_first_not_of("0123456789") == std::string_view::npos &&
                        IsFixedNumber(f[2], 4, 4) && (f[3] == "N" || f[3] == "S") &&
                        IsFixedNumber(f[4], 5, 4) && (f[5] == "E" || f[5] == "W") && f[6] == "1" &&
                        f[7] == "10" && f[8] == "1.0" &&
                        IsFixedNumber(altitude.empty() ? f[9] : altitude, 0, 1) && f[10] == "M" &&
                        f[11] == "0.0" && f[12] == "M" && f[13].empty() && f[14].empty();
    if (!layout) return fail();
    const std::string checksum = line.substr(star + 1, 2);
    if (checksum.find_first_not_of("0123456789ABCDEF") != std::string::npos ||
        NmeaChecksum(body) != checksum) {
        return ::testing::AssertionFailure() << "wrong checksum: " << line;
    }
    return ::testing::AssertionSuccess();
}
