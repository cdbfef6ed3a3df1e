#pragma once
// The KML document of the export, assembled line by line as other programs and our own reader
// take it: the XML declaration, the OGC KML 2.2 namespace, the document's name, six shared
// styles, one placemark block per item, and the closing lines. Tuples are longitude, latitude
// and altitude 0, in degrees with eight decimals and "." whatever the locale.
//
// Names are element text: "&", "<" and ">" are escaped, so a text "Harbour & Co <A>" neither
// ends the element nor makes the document unreadable, and control characters other than tab
// (XML forbids most of them, and a line break would split the block's line) become blanks.

#include <span>
#include <string>
#include <string_view>

// A WGS 84 position in degrees.
struct TLonLat {
    double longitude = 0, latitude = 0;
};

class TKmlDocument {
public:
    // Writes the ten header lines; the name is the file name with its extension (UTF-8).
    explicit TKmlDocument(std::string_view documentName);

    // A point, text or depth label: style "#pointStyle" or "#depthStyle".
    void AddPoint(std::string_view name, std::string_view style, TLonLat at);
    // A line shape: both tuples on the coordinates line.
    void AddLine(std::string_view name, std::string_view style, TLonLat from, TLonLat to);
    // A polyline of any kind, its tuples on a line of their own; no closing tuple is added.
    void AddPolyline(std::string_view name, std::string_view style,
                     std::span<const TLonLat> vertices);
    // The vessel with its inline sailing icon.
    void AddVessel(TLonLat at);

    // The whole file: UTF-8 with a byte-order mark, every line ending in CR LF, closed with
    // "</Document>" and "</kml>". The document is finished afterwards.
    std::string Finish();

private:
    void Line(std::string_view text);
    void BeginPlacemark(std::string_view name, std::string_view styleLine);
    void AppendTuple(TLonLat at);
    void AppendCoordinates(TLonLat at);

    std::string out_;
};
