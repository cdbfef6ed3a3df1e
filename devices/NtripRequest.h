#pragma once
// What the NTRIP client sends to the caster: the stream request and the GGA position.
//
// Request, NTRIP 1.0 (mode 0):          Request, NTRIP 2.0 (mode 1):
//   GET /<mount point> HTTP/1.0           GET /<mount point> HTTP/1.1
//   User-Agent: NTRIP OrvaltNTRIPClient/1.0    Host: <host>
//   [Authorization: Basic <user:password>]     Ntrip-Version: Ntrip/2.0
//   <blank line>                               User-Agent: ..., [Authorization], <blank line>
// An empty mount point asks for "/", the source table. Any other mode is a raw TCP stream:
// nothing is sent and no answer header is expected.

#include <QDateTime>
#include <string>
#include <string_view>

// Standard Base64 (RFC 4648 alphabet, "=" fill), no line breaks.
std::string Base64Encode(std::string_view bytes);

// The request of the mode, lines ending in CR LF; empty for a raw stream. The authorization
// line is there only when `username` is not empty.
std::string BuildNtripRequest(int requestMode, const std::string& host,
                              const std::string& mountPoint, const std::string& username,
                              const std::string& password);

// XOR of all the bytes, as two upper-case hexadecimal digits.
std::string NmeaChecksum(std::string_view body);

// Degrees as a GGA field: whole degrees in `degreeDigits` digits, then minutes "mm.mmmm", of
// the magnitude (the caller adds the hemisphere). Minutes are rounded first, so 59.99999
// minutes carry into the next degree instead of printing as "60.0000".
std::string GgaDegreesMinutes(double degrees, int degreeDigits);

// The GGA sentence the caster needs to pick or model its base, without a line end:
//   $GPGGA,hhmmss,ddmm.mmmm,N,dddmm.mmmm,E,1,10,1.0,<alt>,M,0.0,M,,*CS
// `utc` gives the time; latitude and longitude are in degrees (north and east positive), the
// altitude in metres. Quality, satellites, HDOP and geoid separation are fixed.
std::string BuildGgaSentence(double lat, double lon, double alt, const QDateTime& utc);
