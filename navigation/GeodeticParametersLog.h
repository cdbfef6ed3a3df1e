#pragma once
// The per-day geodetic-parameters log: every start of real time records the datum and
// projection under which the following run is projected, as stored in the settings file
// (section GEODETIC_PARAMETERS, the state last saved, not the settings window's fields).
//
// The file is LogDir + the current date + " Geodesy.txt", CR LF lines. A new (or empty) file
// starts with "GEODETIC PARAMETERS LOG - " and the date, 40 "=" and an empty line; each call
// then appends one block of 26 lines opened by "=== SESSION START: hhnnsszzz ===" and closed by
// 40 "-" and an empty line. Values are the stored texts as they stand (empty when missing);
// the switches "Use DTP", "Use Projection" and "cbUseLCCProjection" read as "Yes" or "No"
// (missing = "No"). Earlier lines are never rewritten: a block is appended, after a CR LF when
// the file does not end with a line break.

#include <string>

// Appends one session block. Returns false when the file could not be opened or written, with
// the reason in `error`; the real-time start must then stop before it opens any port.
bool AppendGeodeticParametersLog(std::string& error);
