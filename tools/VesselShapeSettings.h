#pragma once
// The geometry of the vessel symbol as the vessel-shape window holds it: the texts of its five
// edits, which the map timer reads as numbers (metres; the ring count a whole number), and the
// settings file section VESSEL_SHAPE they are loaded from and saved to.

#include <string>

class TIniFile;

struct TVesselShapeTexts {
    std::string ringCount;     // edAmount
    std::string ringInterval;  // edInterval
    std::string firstRadius;   // edRadious
    std::string bowArrow;      // edBArrow: arrow length towards the bow
    std::string sideArrow;     // edLArrow: sideways offset of the arrow's side strokes
};

// Reads the ring count as a whole number (2 when missing or not one) and the lengths as numbers
// (10, 10, 100 and 0 when missing or not numbers), shown as whole-number and shortest float
// texts.
TVesselShapeTexts ReadVesselShape(const TIniFile& ini);
// Writes the texts as they are, ring count first, in one rewrite of the settings file; returns
// whether it was written.
bool WriteVesselShape(TIniFile& ini, const TVesselShapeTexts& texts);
// What the "Default" button fills in: unlike a missing key, the sideways length is 10.
TVesselShapeTexts DefaultVesselShapeTexts();
