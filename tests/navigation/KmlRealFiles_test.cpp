// The KML reader on real files written by other programs (../shared/realdata/kml), without
// projection: how many placemarks and geometries of each kind it finds, and their names.

#include "navigation/KmlReader.h"

#include "tests/navigation/KmlTestSupport.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct TCounts {
    std::size_t placemarks = 0;
    std::array<int, 3> kinds{};  // Point, LineString, Polygon geometries
    std::size_t named = 0;
};

TCounts CountsOf(const TKMLReader& reader) {
    TCounts counts;
    counts.placemarks = reader.Placemarks().size();
    for (const TKMLPlacemark& placemark : reader.Placemarks()) {
        if (!placemark.name.empty()) ++counts.named;
        for (const TKMLGeometry& geometry : placemark.geometries) ++counts.kinds[geometry.kind];
    }
    return counts;
}

bool HasName(const TKMLReader& reader, const std::string& name) {
    for (const TKMLPlacemark& placemark : reader.Placemarks()) {
        if (placemark.name == name) return true;
    }
    return false;
}

TEST(KmlRealFiles, PlacemarksAndGeometries) {
    if (RealKml("").empty()) GTEST_SKIP() << "no real data";
    const struct {
        const char* legend;
        const char* file;
        TCounts counts;
    } cases[] = {
        {"Google's KML samples: folders, styles, extruded polygons with holes",
         "fastkml__KML_Samples.kml",
         {19, {4, 6, 9}, 19}},
        {"the OGC conformance document: ids, MultiGeometry, atom and xal elements",
         "fastkml-ogc__Document-clean.kml",
         {9, {6, 1, 4}, 8}},
        {"a polygon with an inner ring", "togeojson__polygon.kml", {1, {0, 0, 1}, 1}},
        {"the KML 2.1 namespace", "togeojson__timespan_kml21.kml", {1, {0, 0, 1}, 1}},
        {"a KMZ with icons beside doc.kml", "giscore__kitchensink.kmz", {12, {12, 0, 0}, 12}},
        {"a GPS track as time-stamped points",
         "giscore__time-stamp-point.kmz",
         {361, {361, 0, 0}, 0}},
        {"line strings with regions and overlays", "giscore__continents.kmz", {4, {0, 4, 0}, 4}},
        {"an entry with an invalid time stamp",
         "giscore__bad-zip-timestamp.kmz",
         {1, {1, 0, 0}, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        TKMLReader reader;
        ASSERT_TRUE(reader.Load(RealKml(c.file))) << reader.LastError;
        const TCounts counts = CountsOf(reader);
        EXPECT_EQ(counts.placemarks, c.counts.placemarks);
        EXPECT_EQ(counts.kinds, c.counts.kinds);
        EXPECT_EQ(counts.named, c.counts.named);
    }
}

TEST(KmlRealFiles, NamesAndRings) {
    if (RealKml("").empty()) GTEST_SKIP() << "no real data";
    TKMLReader ogc;
    ASSERT_TRUE(ogc.Load(RealKml("fastkml-ogc__Document-clean.kml")));
    EXPECT_TRUE(HasName(ogc, "General Motors Place")) << "not the atom:name inside it";
    EXPECT_FALSE(HasName(ogc, "Phineas Fogg"));
    EXPECT_TRUE(HasName(ogc, "Rivière des Outaouais"));
    EXPECT_TRUE(HasName(ogc, "Vancouver Film Studios")) << "a placemark with an id";
    TKMLReader polygon;
    ASSERT_TRUE(polygon.Load(RealKml("togeojson__polygon.kml")));
    const auto lines = polygon.GetLines();
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].size(), 5u) << "the outer ring only";
    EXPECT_EQ(lines[0][0].lon, -122.366278);
    EXPECT_EQ(lines[0][0].alt, 30);
    EXPECT_EQ(polygon.Placemarks()[0].name, "hollow box");
}

// Its doc.kml holds only a network link to a nested document.
TEST(KmlRealFiles, AnArchiveWithoutPlacemarksSaysSo) {
    if (RealKml("").empty()) GTEST_SKIP() << "no real data";
    TKMLReader reader;
    EXPECT_FALSE(reader.Load(RealKml("fastkml-ogc__small_world.kmz")));
    EXPECT_EQ(reader.LastError, "No placemark with coordinates found");
}

}  // namespace
