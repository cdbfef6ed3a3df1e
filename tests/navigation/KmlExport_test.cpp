// The KML document of the export, built from a map with a stand-in conversion (longitude =
// easting / 1000, latitude = northing / 1000), so that every line can be read: the blocks of
// each kind, the shared numbering, the styles by layer, what is left out, escaping, and an
// export stopped by a coordinate that does not convert.

#include "navigation/KmlExport.h"

#include "canvas/CanvasModel.h"
#include "canvas/MapLayerNames.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

bool Thousandths(double easting, double northing, TLonLat& at) {
    at = {easting / 1000, northing / 1000};
    return true;
}

const std::string kHeader =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\r\n"
    "<Document>\r\n"
    "<name>out &amp; co.kml</name>\r\n"
    "<Style id=\"trackFix\"><LineStyle><color>ff00ff00</color><width>2</width></LineStyle>"
    "</Style>\r\n"
    "<Style id=\"trackFloat\"><LineStyle><color>ff00ffff</color><width>2</width></LineStyle>"
    "</Style>\r\n"
    "<Style id=\"trackNofix\"><LineStyle><color>ff0000ff</color><width>2</width></LineStyle>"
    "</Style>\r\n"
    "<Style id=\"trackOther\"><LineStyle><color>ffff00ff</color><width>2</width></LineStyle>"
    "</Style>\r\n"
    "<Style id=\"depthStyle\"><IconStyle><scale>0.5</scale><Icon><href>"
    "http://maps.google.com/mapfiles/kml/shapes/shaded_dot.png</href></Icon></IconStyle>"
    "</Style>\r\n"
    "<Style id=\"pointStyle\"><IconStyle><scale>0.6</scale><Icon><href>"
    "http://maps.google.com/mapfiles/kml/shapes/placemark_circle.png</href></Icon></IconStyle>"
    "</Style>\r\n";
const std::string kFooter = "</Document>\r\n</kml>\r\n";

class KmlExportTest : public ::testing::Test {
protected:
    int Layer(const char* name) { return map_.AddLayer(name); }
    // The export with its bytes, which come in pieces.
    struct TResult : TKmlExport {
        std::string bytes;
    };
    TResult Export(double vesselEasting = 0, double vesselNorthing = 0) {
        TResult result;
        static_cast<TKmlExport&>(result) =
            BuildKmlExport(map_, vesselEasting, vesselNorthing, "out & co.kml", Thousandths,
                           [&result](std::string_view piece) {
                               result.bytes += piece;
                               return true;
                           });
        return result;
    }

    TCanvasModel map_;
};

TEST_F(KmlExportTest, EveryBlockKindInDrawingOrder) {
    const int user = Layer(kUserShapeLayerName);
    map_.AddPoint(29123.456789012, 41000, user);
    map_.AddPolyline({{29000, 41000}, {29001, 41001}, {29002, 41000.5}}, Layer("track_fix"), false);
    map_.AddText(user, "Harbour & Co <A>\r\nquay\x01", 29100, 41100, 0);
    map_.AddLine(-1, -2, 3, 4, Layer("track_nofix"));
    map_.AddLine(5, 6, 7, 8, Layer("track_float"));
    map_.AddPolyline({{1, 1}, {2, 1}, {2, 2}}, Layer("event_number"), true);
    map_.AddSounding(29000, 41000, 7.456);
    map_.AddSounding(30000, 42000, 1234.567);
    const TResult kml = Export(31000, 43000);
    ASSERT_TRUE(kml.converted && kml.written);
    EXPECT_EQ(kml.tracks, 5);
    EXPECT_EQ(kml.soundings, 2u);
    EXPECT_EQ(kml.bytes,
              kHeader +
                  "<Placemark>\r\n<name>Point_0</name>\r\n<styleUrl>#pointStyle</styleUrl>\r\n"
                  "<Point>\r\n<coordinates>29.12345679,41.00000000,0</coordinates>\r\n"
                  "</Point>\r\n</Placemark>\r\n"
                  "<Placemark>\r\n<name>Track_1</name>\r\n<styleUrl>#trackFix</styleUrl>\r\n"
                  "<LineString>\r\n<coordinates>\r\n29.00000000,41.00000000,0 "
                  "29.00100000,41.00100000,0 29.00200000,41.00050000,0\r\n</coordinates>\r\n"
                  "</LineString>\r\n</Placemark>\r\n"
                  "<Placemark>\r\n<name>Harbour &amp; Co &lt;A&gt;  quay </name>\r\n"
                  "<styleUrl>#pointStyle</styleUrl>\r\n<Point>\r\n"
                  "<coordinates>29.10000000,41.10000000,0</coordinates>\r\n</Point>\r\n"
                  "</Placemark>\r\n"
                  "<Placemark>\r\n<name>Track_2</name>\r\n<styleUrl>#trackNofix</styleUrl>\r\n"
                  "<LineString>\r\n<coordinates>-0.00100000,-0.00200000,0 "
                  "0.00300000,0.00400000,0</coordinates>\r\n</LineString>\r\n</Placemark>\r\n"
                  "<Placemark>\r\n<name>Track_3</name>\r\n<styleUrl>#trackFloat</styleUrl>\r\n"
                  "<LineString>\r\n<coordinates>0.00500000,0.00600000,0 "
                  "0.00700000,0.00800000,0</coordinates>\r\n</LineString>\r\n</Placemark>\r\n"
                  "<Placemark>\r\n<name>Track_4</name>\r\n<styleUrl>#trackOther</styleUrl>\r\n"
                  "<LineString>\r\n<coordinates>\r\n0.00100000,0.00100000,0 "
                  "0.00200000,0.00100000,0 0.00200000,0.00200000,0\r\n</coordinates>\r\n"
                  "</LineString>\r\n</Placemark>\r\n"
                  "<Placemark>\r\n<name>7.46m</name>\r\n<styleUrl>#depthStyle</styleUrl>\r\n"
                  "<Point>\r\n<coordinates>29.00000000,41.00000000,0</coordinates>\r\n"
                  "</Point>\r\n</Placemark>\r\n"
                  "<Placemark>\r\n<name>1234.60m</name>\r\n<styleUrl>#depthStyle</styleUrl>\r\n"
                  "<Point>\r\n<coordinates>30.00000000,42.00000000,0</coordinates>\r\n"
                  "</Point>\r\n</Placemark>\r\n"
                  "<Placemark>\r\n<name>Vessel</name>\r\n<Style><IconStyle><Icon><href>"
                  "http://maps.google.com/mapfiles/kml/shapes/sailing.png</href></Icon>"
                  "</IconStyle></Style>\r\n<Point>\r\n"
                  "<coordinates>31.00000000,43.00000000,0</coordinates>\r\n</Point>\r\n"
                  "</Placemark>\r\n" +
                  kFooter);
}

TEST_F(KmlExportTest, WhatIsLeftOut) {
    const int vessel = Layer(kVesselLayerName);
    const int grid = Layer(kGridLayerName);
    const int user = Layer(kUserShapeLayerName);
    map_.AddLine(1, 1, 2, 2, vessel);
    map_.AddPoint(1, 1, grid);
    map_.AddCircle(5, 5, 3, user);
    map_.AddRectangle(0, 0, 1, 1, user);
    map_.AddEllipse(0, 0, 2, 1, user);
    map_.AddPolyline({{1, 1}, {2, 2}}, user, false);
    map_.DeleteVertex(map_.GetAllShapeIds().back(), 1);
    EXPECT_EQ(map_.GetVertexCount(map_.GetAllShapeIds().back()), 1) << "a one-vertex polyline";
    const TResult kml = Export(0, 0);
    ASSERT_TRUE(kml.converted);
    EXPECT_EQ(kml.bytes, kHeader + kFooter) << "and no vessel at (0, 0)";
    EXPECT_EQ(kml.tracks, 0);
    EXPECT_EQ(kml.soundings, 0u);
}

TEST_F(KmlExportTest, NumberingIsSharedAndTextsLeaveItAlone) {
    const int user = Layer(kUserShapeLayerName);
    map_.AddPoint(1, 1, user);
    map_.AddPolyline({{1, 1}, {2, 2}}, user, false);
    map_.AddText(user, "Buoy 7", 3, 3, 0);
    map_.AddLine(1, 1, 2, 2, user);
    const TResult kml = Export();
    EXPECT_EQ(kml.tracks, 3);
    std::vector<std::string> names;
    for (std::size_t at = 0; (at = kml.bytes.find("<name>", at)) != std::string::npos; ++at) {
        names.push_back(kml.bytes.substr(at + 6, kml.bytes.find('<', at + 6) - at - 6));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"out &amp; co.kml", "Point_0", "Track_1", "Buoy 7",
                                               "Track_2"}));
}

TEST_F(KmlExportTest, ACoordinateThatDoesNotConvertStopsTheExport) {
    const int user = Layer(kUserShapeLayerName);
    map_.AddPoint(1, 1, user);
    map_.AddPolyline({{1, 1}, {2, 2}, {-5, -5}}, user, false);
    int calls = 0;
    const TKmlExport kml = BuildKmlExport(
        map_, 0, 0, "out.kml",
        [&calls](double easting, double, TLonLat& at) {
            ++calls;
            at = {easting, easting};
            return easting >= 0;
        },
        [](std::string_view) { return true; });
    EXPECT_FALSE(kml.converted);
    EXPECT_FALSE(kml.written);
    EXPECT_EQ(calls, 4);
}

// A large document reaches the sink in pieces; a refused piece is the last one offered.
TEST_F(KmlExportTest, PiecesAndARefusingSink) {
    const int user = Layer(kUserShapeLayerName);
    for (int i = 0; i < 20000; ++i) map_.AddPoint(1000 + i, 2000, user);
    std::vector<std::size_t> pieces;
    std::string whole;
    const TKmlExport kml =
        BuildKmlExport(map_, 0, 0, "big.kml", Thousandths, [&](std::string_view piece) {
            pieces.push_back(piece.size());
            whole += piece;
            return true;
        });
    ASSERT_TRUE(kml.written);
    EXPECT_GT(pieces.size(), 2u);
    EXPECT_LT(pieces.front(), 2u << 20);
    EXPECT_TRUE(
        whole.ends_with("<name>Point_19999</name>\r\n<styleUrl>#pointStyle</styleUrl>\r\n"
                        "<Point>\r\n<coordinates>20.99900000,2.00000000,0</coordinates>"
                        "\r\n</Point>\r\n</Placemark>\r\n</Document>\r\n</kml>\r\n"));
    int offered = 0;
    const TKmlExport refused =
        BuildKmlExport(map_, 0, 0, "big.kml", Thousandths, [&offered](std::string_view) {
            ++offered;
            return false;
        });
    EXPECT_TRUE(refused.converted);
    EXPECT_FALSE(refused.written);
    EXPECT_EQ(offered, 1);
}

// The Turkish and German locales write "," as decimal separator: the bytes stay the same.
TEST_F(KmlExportTest, SameBytesUnderTurkishAndGermanLocales) {
    map_.AddPoint(29123.456, -41000.5, Layer(kUserShapeLayerName));
    map_.AddSounding(1, 1, 12.3);
    const std::string bytes = Export(5, 5).bytes;
    for (const char* name : {"tr_TR.UTF-8", "de_DE.UTF-8"}) {
        SCOPED_TRACE(name);
        ASSERT_NE(std::setlocale(LC_ALL, name), nullptr) << "the set-up script generates it";
        EXPECT_EQ(Export(5, 5).bytes, bytes);
    }
    std::setlocale(LC_ALL, "C");
    EXPECT_NE(bytes.find("29.12345600,-41.00050000,0"), std::string::npos);
    EXPECT_NE(bytes.find("<name>12.30m</name>"), std::string::npos);
}

}  // namespace
