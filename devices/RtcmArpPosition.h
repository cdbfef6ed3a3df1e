#pragma once
// WGS 84 position of a reference station's antenna reference point (ARP), from the earth-centred
// coordinates of its 1005 or 1006 message.
//
// With p = sqrt(X^2 + Y^2), the latitude starts at atan2(Z, p (1 - e^2)) and takes exactly 10
// fixed-point steps lat = atan2(Z + N e^2 sin lat, p), N = a / sqrt(1 - e^2 sin^2 lat); the
// height is p / cos lat - N. On the WGS 84 ellipsoid (a = 6378137 m, e^2 = 0.00669437999014)
// and within the plausible band below, latitude, longitude and height agree with PROJ's
// +proj=cart inverse within 1 mm; p / cos lat loses accuracy only very near the poles.

struct TArpGeodetic {
    double latitudeDeg = 0;   // north positive
    double longitudeDeg = 0;  // east positive
    double heightM = 0;       // above the WGS 84 ellipsoid
};

// Coordinates in metres. Any finite input gives a result; check IsPlausibleArp first.
TArpGeodetic EcefToGeodetic(double xM, double yM, double zM);

// True when the distance from the earth's centre lies strictly between 6,000 and 7,000 km,
// which a real station does and a zeroed or damaged message does not.
bool IsPlausibleArp(double xM, double yM, double zM);
