// The KML reader on documents made for each behaviour: what the Windows program's reader took,
// the forms other writers use (attributes, the kml: prefix, entities, CDATA), the coordinate
// rules, the projection callback, and the refusals with their reasons.

#include "navigation/KmlReader.h"

#include "navigation/KmlMarkup.h"
#include "platform/TextFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <vector>

namespace {

// One line per placemark: its name, then each geometry as kind letter and coordinate count.
std::string Summary(const TKMLReader& reader) {
    std::string text;
    for (const TKMLPlacemark& placemark : reader.Placemarks()) {
        text += placemark.name + ":";
        for (const TKMLGeometry& geometry : placemark.geometries) {
            text += std::string(" ") + "PLA"[geometry.kind] +
                    std::to_string(geometry.coordinates.size());
        }
        text += "\n";
    }
    return text;
}

std::string Kml(const std::string& body) {
    return R"(<?xml version="1.0" encoding="UTF-8"?><kml xmlns="http://www.opengis.net/kml/2.2">)"
           "<Document>" +
           body + "</Document></kml>";
}

std::string Point(const std::string& name, const std::string& coordinates) {
    return "<Placemark><name>" + name + "</name><Point><coordinates>" + coordinates +
           "</coordinates></Point></Placemark>";
}

// A projection that records its calls: x = lon * 1000, y = lat * 1000; it refuses lat 89.
bool Scaled(void* context, double lat, double lon, double& x, double& y) {
    ++*static_cast<int*>(context);
    if (lat == 89) return false;
    x = lon * 1000;
    y = lat * 1000;
    return true;
}

TEST(KmlReader, PlacemarksAndGeometries) {
    const struct {
        const char* legend;
        std::string document;
        std::string summary;
    } cases[] = {
        {"our export's point and track",
         Kml(Point("Point_0", "29.1,41.0,0") + "<Placemark>\r\n<name>Track_1</name>\r\n<LineString>"
                                               "\r\n<coordinates>\r\n29.1,41.0,0 29.2,41.1,0\r\n"
                                               "</coordinates>\r\n</LineString>\r\n</Placemark>"),
         "Point_0: P1\nTrack_1: L2\n"},
        {"an id on the placemark and on its point (GDAL's LIBKML writer)",
         Kml(R"(<Placemark id="p1"><name>A</name><Point id="g"><coordinates>1,2</coordinates>)"
             "</Point></Placemark>"),
         "A: P1\n"},
        {"the kml: prefix on every element",
         "<kml:kml><kml:Placemark><kml:name>B</kml:name><kml:Point><kml:coordinates>1,2"
         "</kml:coordinates></kml:Point></kml:Placemark></kml:kml>",
         "B: P1\n"},
        {"a blank or line break after the tag name",
         Kml("<Placemark\n><name >C</name\n><Point>"
             "<coordinates >1,2</coordinates></Point>"
             "</Placemark >"),
         "C: P1\n"},
        {"another prefix is another element: atom:name is no name",
         Kml("<Placemark><atom:author><atom:name>Phineas</atom:name></atom:author><name>D</name>"
             "<Point><coordinates>1,2</coordinates></Point></Placemark>"),
         "D: P1\n"},
        {"names that only begin alike are other elements",
         Kml("<Placemark><nameplate>x</nameplate><Pointer/><PointStyle/><Point><coordinates>1,2"
             "</coordinates></Point></Placemark>"),
         ": P1\n"},
        {"points, then lines, then polygons, whatever the document order",
         Kml("<Placemark><name>E</name><MultiGeometry><Polygon><outerBoundaryIs><LinearRing>"
             "<coordinates>0,1 1,1 1,0 0,1</coordinates></LinearRing></outerBoundaryIs>"
             "</Polygon><LineString><coordinates>5,5 6,6</coordinates></LineString>"
             R"(<Point id="a"><coordinates>1,2</coordinates></Point><Point id="b">)"
             "<coordinates>3,4</coordinates></Point></MultiGeometry></Placemark>"),
         "E: P1 P1 L2 A4\n"},
        {"a polygon with a hole keeps its outer ring only",
         Kml("<Placemark><Polygon><outerBoundaryIs><LinearRing><coordinates>0,1 0,2 1,2 0,1"
             "</coordinates></LinearRing></outerBoundaryIs><innerBoundaryIs><LinearRing>"
             "<coordinates>0.1,1.1 0.1,1.2 0.2,1.2</coordinates></LinearRing>"
             "</innerBoundaryIs></Polygon></Placemark>"),
         ": A4\n"},
        {"a placemark without coordinates is left out",
         Kml("<Placemark><name>F</name><Point></Point></Placemark>" + Point("G", "1,2")),
         "G: P1\n"},
        {"a self-closing placemark and point hold nothing",
         Kml(R"(<Placemark id="x"/><Placemark><Point id="y"/><Point><coordinates>1,2)"
             "</coordinates></Point></Placemark>"),
         ": P1\n"},
        {"a placemark left open ends the reading", Kml(Point("H", "1,2") + "<Placemark><Point>"),
         "H: P1\n"},
        {"a point left open ends its pass, the line pass goes on",
         Kml("<Placemark><name>I</name><LineString><coordinates>1,1 2,2</coordinates>"
             "</LineString><Point><coordinates>1,2</coordinates></Placemark>"),
         "I: L2\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        TKMLReader reader;
        EXPECT_TRUE(reader.ParsePlacemarks(c.document)) << reader.LastError;
        EXPECT_EQ(Summary(reader), c.summary);
        EXPECT_EQ(reader.LastError, "");
    }
}

TEST(KmlReader, NamesAndDescriptionsAreDecoded) {
    const struct {
        const char* legend;
        std::string raw, name;
    } cases[] = {
        {"the five entities", "Harbour &amp; Co &lt;A&gt; &quot;x&quot; &apos;y&apos;",
         R"(Harbour & Co <A> "x" 'y')"},
        {"numeric references, decimal and hexadecimal", "Rivi&#232;re &#x15F;", "Rivière ş"},
        {"CDATA as it stands", "<![CDATA[ <b>Kadıköy</b> &amp; ]]>", "<b>Kadıköy</b> &amp;"},
        {"blanks and control characters trimmed", " \t\r\n Quay 3 \r\n", "Quay 3"},
        {"unknown, malformed and out-of-range references stay", "&nbsp; &#xD800; &#0; & x",
         "&nbsp; &#xD800; &#0; & x"},
        {"an unclosed CDATA stays", "<![CDATA[ open", "<![CDATA[ open"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(DecodeKmlText(c.raw), c.name);
    }
    TKMLReader reader;
    ASSERT_TRUE(reader.ParsePlacemarks(
        Kml("<Placemark><name>a &amp; b</name><description><![CDATA[<p>x</p>]]></description>"
            "<Point><coordinates>1,2</coordinates></Point></Placemark>")));
    EXPECT_EQ(reader.Placemarks()[0].name, "a & b");
    EXPECT_EQ(reader.Placemarks()[0].description, "<p>x</p>");
}

TEST(KmlReader, CoordinateTuples) {
    const struct {
        const char* legend;
        std::string coordinates;
        std::vector<std::vector<double>> tuples;  // lon, lat, alt
    } cases[] = {
        {"with and without altitude",
         "29.1,41.0,12.5 29.2,41.1",
         {{29.1, 41.0, 12.5}, {29.2, 41.1, 0}}},
        {"0,0 is dropped, 0,1 kept", "0,0,0 0,1", {{0, 1, 0}}},
        {"a piece without a comma is ignored", "29.1 29.2,41", {{29.2, 41, 0}}},
        {"tabs, line breaks and repeated blanks separate",
         "\r\n\t1,2\t\t3,4\n\n5,6  ",
         {{1, 2, 0}, {3, 4, 0}, {5, 6, 0}}},
        {"a longitude or latitude that is no number drops the tuple",
         "x,41 29,y nan,1 1,inf 1e999,1 7,8",
         {{7, 8, 0}}},
        {"an altitude that is no number reads as 0", "1,2,high 3,4,5,6", {{1, 2, 0}, {3, 4, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        TKMLReader reader;
        reader.ParsePlacemarks(Kml(Point("p", c.coordinates)));
        std::vector<std::vector<double>> tuples;
        for (const TKMLCoordinate& coordinate : reader.GetPoints()) {
            tuples.push_back({coordinate.lon, coordinate.lat, coordinate.alt});
        }
        EXPECT_EQ(tuples, c.tuples);
    }
}

TEST(KmlReader, ProjectsEachCoordinateOnceAndFiltersWhatDidNotProject) {
    int calls = 0;
    TKMLReader reader;
    reader.ProjectCallback = Scaled;
    reader.ProjectContext = &calls;
    ASSERT_TRUE(reader.ParsePlacemarks(
        Kml(Point("a", "1,2") + Point("pole", "5,89") +
            "<Placemark><LineString><coordinates>1,1 2,89 3,3</coordinates></LineString>"
            "</Placemark><Placemark><LineString><coordinates>1,89 2,2</coordinates>"
            "</LineString></Placemark>")));
    EXPECT_EQ(calls, 7);
    reader.ProjectAll();
    EXPECT_EQ(calls, 7) << "already projected with this callback";
    ASSERT_EQ(reader.GetPoints().size(), 2u);
    EXPECT_EQ(reader.GetPoints()[0].x, 1000);
    EXPECT_EQ(reader.GetPoints()[0].y, 2000);
    EXPECT_EQ(reader.GetPoints()[1].x, 0) << "the refused coordinate keeps 0";
    ASSERT_EQ(reader.GetProjectedPoints().size(), 1u);
    EXPECT_EQ(reader.GetLines().size(), 2u);
    const auto lines = reader.GetProjectedLines();
    ASSERT_EQ(lines.size(), 1u) << "the second line keeps one position";
    ASSERT_EQ(lines[0].size(), 2u);
    EXPECT_EQ(lines[0][1].x, 3000);

    int others = 0;
    reader.ProjectContext = &others;
    reader.ProjectAll();
    EXPECT_EQ(others, 7) << "another context projects again";
    TKMLReader plain;
    ASSERT_TRUE(plain.ParsePlacemarks(Kml(Point("a", "1,2"))));
    plain.ProjectAll();
    EXPECT_EQ(plain.GetPoints()[0].x, 0) << "no callback, no projection";
}

TEST(KmlReader, RefusalsSayWhy) {
    TKMLReader reader;
    EXPECT_FALSE(reader.ParsePlacemarks(""));
    EXPECT_EQ(reader.LastError, "Empty KML content");
    EXPECT_FALSE(reader.ParsePlacemarks(Kml("<Placemark><name>x</name></Placemark>")));
    EXPECT_EQ(reader.LastError, "No placemark with coordinates found");
    EXPECT_FALSE(reader.ParsePlacemarks("\x89PNG\r\n\x1a\n garbage"));
    EXPECT_EQ(reader.LastError, "No placemark with coordinates found");
    const std::string missing = TestTempFolder() + "absent.kml";
    EXPECT_FALSE(reader.Load(missing));
    EXPECT_EQ(reader.LastError, "File not found: " + missing);
    EXPECT_FALSE(reader.Load(TestTempFolder()));
    EXPECT_EQ(reader.LastError, "File not found: " + TestTempFolder()) << "a folder is no file";
    ASSERT_TRUE(reader.ParsePlacemarks(Kml(Point("a", "1,2"))));
    EXPECT_EQ(reader.LastError, "") << "a success clears the reason";
}

// UTF-8 with and without a byte-order mark, UTF-16 both ways, and an 8-bit file of the Windows
// program in its Turkish code page: the same names.
TEST(KmlReader, DecodesByByteOrderMarkElseUtf8ElseWindows1254) {
    const std::string utf8 = Kml(Point("Çeşme İskele", "26.3,38.3"));
    std::string utf16le = "\xFF\xFE", utf16be = "\xFE\xFF";
    const std::u16string wide = QString::fromStdString(utf8).toStdU16String();
    for (const char16_t unit : wide) {
        utf16le += static_cast<char>(unit & 0xFF);
        utf16le += static_cast<char>(unit >> 8);
        utf16be += static_cast<char>(unit >> 8);
        utf16be += static_cast<char>(unit & 0xFF);
    }
    const struct {
        const char* legend;
        std::string bytes;
    } cases[] = {
        {"UTF-8", utf8},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + utf8},
        {"UTF-16 little-endian", utf16le},
        {"UTF-16 big-endian", utf16be},
        {"Windows-1254", Kml(Point("\xC7"
                                   "e\xFEme \xDDskele",
                                   "26.3,38.3"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        const std::string path = FreshTestPath("encoded.kml");
        ASSERT_TRUE(WriteFileAtomically(path, c.bytes));
        TKMLReader reader;
        ASSERT_TRUE(reader.Load(path)) << reader.LastError;
        EXPECT_EQ(reader.Placemarks()[0].name, "Çeşme İskele");
    }
}

}  // namespace
