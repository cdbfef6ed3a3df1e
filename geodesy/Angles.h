#pragma once
// Angle units of the geodesy library: degrees at its interfaces, radians inside.

#include <cmath>

namespace Angles {

// The value of pi the library has always used; it is the double nearest to pi.
constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = kPi / 2;
constexpr double kTwoPi = 2 * kPi;
constexpr double kHalfTurnDeg = 180.0;
constexpr double kFullTurnDeg = 360.0;
constexpr double kQuarterTurnDeg = 90.0;
constexpr double kArcSecondsPerDegree = 3600.0;

constexpr double DegToRad(double degrees) { return degrees * kPi / kHalfTurnDeg; }
constexpr double RadToDeg(double radians) { return radians * kHalfTurnDeg / kPi; }

// The same direction as `degrees`, within [-180, 180].
inline double WrapDeg(double degrees) { return std::remainder(degrees, kFullTurnDeg); }

}  // namespace Angles
