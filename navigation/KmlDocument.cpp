#include "navigation/KmlDocument.h"

#include <charconv>

namespace {

constexpr int kTupleDecimals = 8;
constexpr std::size_t kPieceBytes = std::size_t{1} << 20;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kIconHost = "http://maps.google.com";

constexpr std::string_view kHeader[] = {
    R"(<?xml version="1.0" encoding="UTF-8"?>)",
    R"(<kml xmlns="http://www.opengis.net/kml/2.2">)",
    "<Document>",
};

constexpr std::string_view kTrackStyles[] = {
    R"(<Style id="trackFix"><LineStyle><color>ff00ff00</color><width>2</width></LineStyle></Style>)",
    R"(<Style id="trackFloat"><LineStyle><color>ff00ffff</color><width>2</width></LineStyle></Style>)",
    R"(<Style id="trackNofix"><LineStyle><color>ff0000ff</color><width>2</width></LineStyle></Style>)",
    R"(<Style id="trackOther"><LineStyle><color>ffff00ff</color><width>2</width></LineStyle></Style>)",
};

void AppendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                const auto byte = static_cast<unsigned char>(c);
                out += byte < 0x20 && c != '\t' ? ' ' : c;
        }
    }
}

void AppendFixed(std::string& out, double value) {
    char text[32];
    // A value that rounds to zero is written without a sign.
    if (value > -5e-9 && value < 5e-9) value = 0;
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, kTupleDecimals)
            .ptr;
    out.append(text, end);
}

std::string IconStyle(std::string_view id, std::string_view scale, std::string_view icon) {
    return std::string(R"(<Style id=")") + std::string(id) + R"("><IconStyle><scale>)" +
           std::string(scale) + "</scale><Icon><href>" + std::string(kIconHost) +
           "/mapfiles/kml/shapes/" + std::string(icon) + "</href></Icon></IconStyle></Style>";
}

}  // namespace

TKmlDocument::TKmlDocument(std::string_view documentName, TKmlSink sink) : sink_(std::move(sink)) {
    out_.reserve(kPieceBytes + kPieceBytes / 4);
    out_ = kByteOrderMark;
    for (const std::string_view line : kHeader) Line(line);
    out_ += "<name>";
    AppendEscaped(out_, documentName);
    Line("</name>");
    for (const std::string_view line : kTrackStyles) Line(line);
    Line(IconStyle("depthStyle", "0.5", "shaded_dot.png"));
    Line(IconStyle("pointStyle", "0.6", "placemark_circle.png"));
}

void TKmlDocument::AddPoint(std::string_view name, std::string_view style, TLonLat at) {
    BeginPlacemark(name, style);
    Line("<Point>");
    AppendCoordinates(at);
    Line("</Point>");
    EndPlacemark();
}

void TKmlDocument::AddLine(std::string_view name, std::string_view style, TLonLat from,
                           TLonLat to) {
    BeginPlacemark(name, style);
    Line("<LineString>");
    out_ += "<coordinates>";
    AppendTuple(from);
    out_ += ' ';
    AppendTuple(to);
    Line("</coordinates>");
    Line("</LineString>");
    EndPlacemark();
}

void TKmlDocument::AddPolyline(std::string_view name, std::string_view style,
                               std::span<const TLonLat> vertices) {
    BeginPlacemark(name, style);
    Line("<LineString>");
    Line("<coordinates>");
    for (size_t i = 0; i < vertices.size(); ++i) {
        if (i > 0) out_ += ' ';
        AppendTuple(vertices[i]);
    }
    Line("");
    Line("</coordinates>");
    Line("</LineString>");
    EndPlacemark();
}

void TKmlDocument::AddVessel(TLonLat at) {
    Line("<Placemark>");
    Line("<name>Vessel</name>");
    out_ += "<Style><IconStyle><Icon><href>";
    out_ += kIconHost;
    Line("/mapfiles/kml/shapes/sailing.png</href></Icon></IconStyle></Style>");
    Line("<Point>");
    AppendCoordinates(at);
    Line("</Point>");
    EndPlacemark();
}

bool TKmlDocument::Finish() {
    Line("</Document>");
    Line("</kml>");
    Flush();
    return taken_;
}

void TKmlDocument::Line(std::string_view text) {
    out_ += text;
    out_ += kLineEnd;
}

void TKmlDocument::BeginPlacemark(std::string_view name, std::string_view style) {
    Line("<Placemark>");
    out_ += "<name>";
    AppendEscaped(out_, name);
    Line("</name>");
    out_ += "<styleUrl>";
    out_ += style;
    Line("</styleUrl>");
}

void TKmlDocument::EndPlacemark() {
    Line("</Placemark>");
    if (out_.size() >= kPieceBytes) Flush();
}

void TKmlDocument::Flush() {
    taken_ = taken_ && sink_(out_);
    out_.clear();
}

void TKmlDocument::AppendTuple(TLonLat at) {
    AppendFixed(out_, at.longitude);
    out_ += ',';
    AppendFixed(out_, at.latitude);
    out_ += ",0";
}

void TKmlDocument::AppendCoordinates(TLonLat at) {
    out_ += "<coordinates>";
    AppendTuple(at);
    Line("</coordinates>");
}
