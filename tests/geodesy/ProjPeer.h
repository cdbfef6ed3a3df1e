#pragma once
// PROJ as the reference the geodesy tests compare against. The set-up script installs it, so a
// missing or failing PROJ is a test failure, not a skip.

#include <proj.h>

#include <random>
#include <string>

class TProjPeer {
public:
    // A PROJ string operation; geodetic coordinates in radians, as proj_trans takes them there.
    explicit TProjPeer(const std::string& definition);
    ~TProjPeer();
    TProjPeer(const TProjPeer&) = delete;
    TProjPeer& operator=(const TProjPeer&) = delete;

    bool IsValid() const { return operation_ != nullptr; }
    PJ_COORD Forward(double x, double y, double z = 0) const;
    PJ_COORD Inverse(double x, double y, double z = 0) const;
    // Grid factors of a projection at a point given in degrees.
    PJ_FACTORS Factors(double latitudeDeg, double longitudeDeg) const;

private:
    PJ_CONTEXT* context_;
    PJ* operation_;
};

// Seeded random points: every run checks the same ones, and a failure can be replayed.
class TRandomPoints {
public:
    explicit TRandomPoints(unsigned seed) : engine_(seed) {}
    double Uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(engine_);
    }

private:
    std::mt19937_64 engine_;
};
