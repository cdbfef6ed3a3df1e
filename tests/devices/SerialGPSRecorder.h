#pragma once
// Binds every event of a TOrvaltSerialGPS and records what it reports.

#include "devices/OrvaltSerialGPS.h"

#include <charconv>
#include <string>
#include <vector>

struct TSerialGPSRecorder {
    struct TPosition {
        double Lat, Lon, Alt;
    };

    explicit TSerialGPSRecorder(TOrvaltSerialGPS& gps) {
        gps.OnConnect = [this](TOrvaltSerialGPS*, int port) { Connects.push_back(port); };
        gps.OnDisconnect = [this](TOrvaltSerialGPS*, int port) { Disconnects.push_back(port); };
        gps.OnIdle = [this](TOrvaltSerialGPS*) { ++Idles; };
        gps.OnNewCommand = [this](TOrvaltSerialGPS*, const std::string& line) {
            Lines.push_back(line);
            Sequence.push_back("line " + line);
        };
        gps.OnSend = [this](TOrvaltSerialGPS*, const std::string& text) { Sent.push_back(text); };
        gps.OnPosition3DChange = [this](TOrvaltSerialGPS*, double lat, double lon, double alt) {
            Positions.push_back({lat, lon, alt});
            Sequence.push_back("position " + Exact(lat) + " " + Exact(lon) + " " + Exact(alt));
        };
        gps.OnSpeedChange = [this](TOrvaltSerialGPS*, double speed) {
            Speeds.push_back(speed);
            Sequence.push_back("speed " + Exact(speed));
        };
    }

    // The shortest text that reads back as the same double.
    static std::string Exact(double value) {
        char text[32];
        return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
    }

    std::vector<int> Connects, Disconnects;
    int Idles = 0;
    std::vector<std::string> Lines, Sent;
    std::vector<TPosition> Positions;
    std::vector<double> Speeds;
    std::vector<std::string> Sequence;  // lines, positions and speeds in the order reported
};
