#pragma once
// The KML document of the export, assembled line by line as other programs and our own reader
// take it: the XML declaration, the OGC KML 2.2 namespace, the document's name, six shared
// styles, one placemark block per item, and the closing lines. Tuples are longitude, latitude
// and altitude 0, in degrees with eight decimals and "." whatever the locale.
//
// Names are element text: "&", "<" and ">" are escaped, so a text "Harbour & Co <A>" neither
// ends the element nor makes the document unreadable, and control characters other than tab
// (XML forbids most of them, and a line break would split the block's line) become blanks.

#include <functional>
#include <span>
#include <string>
#include <string_view>

// A WGS 84 position in degrees.
struct TLonLat {
    double longitude = 0, latitude = 0;
};

// Where the document's bytes go, piece by piece: false when they could not be taken.
using TKmlSink = std::function<bool(std::string_view bytes)>;

// The bytes go to the sink in pieces of about a megabyte, so that a large export needs no
// buffer of its size. The file is UTF-8 with a byte-order mark, every line ending in CR LF.
class TKmlDocument {
public:
    // Writes the ten header lines; the name is the file name with its extension (UTF-8).
    TKmlDocument(std::string_view documentName, TKmlSink sink);

    // A point, text or depth label: style "#pointStyle" or "#depthStyle".
    void AddPoint(std::string_view name, std::string_view style, TLonLat at);
    // A line shape: both tuples on the coordinates line.
    void AddLine(std::string_view name, std::string_view style, TLonLat from, TLonLat to);
    // A polyline of any kind, its tuples on a line of their own; no closing tuple is added.
    void AddPolyline(std::string_view name, std::string_view style,
                     std::span<const TLonLat> vertices);
    // The vessel with its inline sailing icon.
    void AddVessel(TLonLat at);

    // Closes the document with "</Document>" and "</kml>" and hands the rest to the sink.
    // False when the sink refused any piece; nothing more is handed to it after a refusal.
    bool Finish();

private:
    void Line(std::string_view text);
    void BeginPlacemark(std::string_view name, std::string_view style);
    void EndPlacemark();
    void AppendTuple(TLonLat at);
    void AppendCoordinates(TLonLat at);
    void Flush();

    TKmlSink sink_;
    std::string out_;
    bool taken_ = true;
};
