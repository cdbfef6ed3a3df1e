#include "navigation/VesselSymbol.h"

#include <gtest/gtest.h>

namespace {

void ExpectSegment(const TSegment& s, double x1, double y1, double x2, double y2) {
    EXPECT_NEAR(s.x1, x1, 1e-9);
    EXPECT_NEAR(s.y1, y1, 1e-9);
    EXPECT_NEAR(s.x2, x2, 1e-9);
    EXPECT_NEAR(s.y2, y2, 1e-9);
}

// Heading 90 (grid east): the bow lies east, the right stroke south, the left north.
TEST(VesselSymbol, LinesAndRingsForAHeading) {
    const TVesselGeometry geometry{3, 10, 5, 100, 8};
    const TVesselSymbol symbol = VesselSymbolAt(1000, 2000, 90, geometry);
    ExpectSegment(symbol.lines[0], 1000, 2000, 1100, 2000);
    ExpectSegment(symbol.lines[1], 1000, 2000, 1000, 1992);
    ExpectSegment(symbol.lines[2], 1000, 2000, 1000, 2008);
    ExpectSegment(symbol.lines[3], 1100, 2000, 1000, 1992);
    ExpectSegment(symbol.lines[4], 1100, 2000, 1000, 2008);
    EXPECT_EQ(symbol.ringRadii, (std::vector<double>{5, 15, 25}));
    EXPECT_TRUE(VesselSymbolAt(0, 0, 0, {0, 10, 5, 1, 1}).ringRadii.empty());
    EXPECT_TRUE(VesselSymbolAt(0, 0, 0, {-3, 10, 5, 1, 1}).ringRadii.empty());
    EXPECT_EQ(VesselSymbolAt(0, 0, 0, {2000000, 1, 1, 1, 1}).ringRadii.size(),
              static_cast<std::size_t>(kMaxVesselRings));
}

TEST(VesselShapeReader, TyposKeepTheNumberAndAreReportedOnce) {
    TVesselShapeReader reader;
    EXPECT_EQ(reader.Read({"2", "10", "10", "100", "10"}), "");
    EXPECT_EQ(reader.Read({"", "", "", "", ""}), "") << "empty edits keep silently";
    EXPECT_EQ(reader.Geometry().ringCount, 2);
    EXPECT_EQ(reader.Geometry().bowLength, 100);
    EXPECT_EQ(reader.Read({"2", "1O", "10", "100", "10"}),
              "Vessel shape: Offset to next circle '1O' is not a number; the previous value is "
              "kept");
    EXPECT_EQ(reader.Read({"2", "1O", "10", "100", "10"}), "");
    EXPECT_EQ(reader.Geometry().ringInterval, 10);
    EXPECT_EQ(reader.Read({"2000000", "10", "10", "100", "10"}),
              "Vessel shape: Total number of circles 2000000 is more than 100; 100 rings are "
              "drawn");
    EXPECT_EQ(reader.Read({"2000000", "10", "10", "100", "10"}), "");
    EXPECT_EQ(reader.Read({"2.5", "10", "10", "100", "10"}),
              "Vessel shape: Total number of circles '2.5' is not a number; the previous value "
              "is kept");
    EXPECT_EQ(reader.Geometry().ringCount, 2000000) << "drawn as 100";
}

}  // namespace
