#include "navigation/KmlExport.h"

#include "canvas/CanvasModel.h"
#include "canvas/MapLayerNames.h"
#include "platform/NumberFormat.h"

#include <charconv>
#include <string>
#include <vector>

namespace {

constexpr int kDepthPrecision = 5;
constexpr int kDepthDecimals = 2;

class TExportWalk {
public:
    TExportWalk(const TCanvasModel& map, std::string_view documentName,
                const TGridToLonLat& convert, TKmlSink sink)
        : map_(map),
          convert_(convert),
          document_(documentName, std::move(sink)),
          fixLayer_(map.FindLayerByName(kFixedTrackLayerName)),
          floatLayer_(map.FindLayerByName(kFloatTrackLayerName)),
          noFixLayer_(map.FindLayerByName(kNoFixTrackLayerName)),
          vesselLayer_(map.FindLayerByName(kVesselLayerName)),
          gridLayer_(map.FindLayerByName(kGridLayerName)) {}

    bool Shapes();
    bool Soundings();
    bool Vessel(double easting, double northing);
    TKmlExport Finish() { return {true, document_.Finish(), tracks_, soundings_}; }
    TKmlExport Unconverted() const { return {false, false, tracks_, soundings_}; }

private:
    bool Shape(const TQShape& shape);
    bool Polyline(int id, std::string_view style);
    const char* TrackStyle(int layer) const;
    bool Convert(double easting, double northing, TLonLat& at) const {
        return convert_(easting, northing, at);
    }
    std::string_view NextName(std::string_view prefix);

    const TCanvasModel& map_;
    const TGridToLonLat& convert_;
    TKmlDocument document_;
    int fixLayer_, floatLayer_, noFixLayer_, vesselLayer_, gridLayer_;
    int tracks_ = 0;
    std::size_t soundings_ = 0;
    std::vector<TLonLat> vertices_;
    std::string name_;
};

std::string_view TExportWalk::NextName(std::string_view prefix) {
    char number[16];
    const char* end = std::to_chars(number, number + sizeof number, tracks_++).ptr;
    name_.assign(prefix);
    name_.append(number, static_cast<std::size_t>(end - number));
    return name_;
}

// A missing layer has the id -1, which no shape carries.
bool TExportWalk::Shapes() {
    for (const auto& shape : map_.Shapes()) {
        if (shape->LayerId == vesselLayer_ || shape->LayerId == gridLayer_) continue;
        if (!Shape(*shape)) return false;
    }
    return true;
}

bool TExportWalk::Shape(const TQShape& shape) {
    const int id = shape.Id, layer = shape.LayerId;
    TLonLat from, to;
    switch (shape.ShapeType) {
        case stPoint: {
            const TPointXY point = map_.GetPointXY(id);
            if (!point.Found) return true;
            if (!Convert(point.X, point.Y, from)) return false;
            document_.AddPoint(NextName("Point_"), "#pointStyle", from);
            return true;
        }
        case stText: {
            const TTextInfo text = map_.GetTextInfo(id);
            if (!text.Found) return true;
            if (!Convert(text.X, text.Y, from)) return false;
            document_.AddPoint(text.Text, "#pointStyle", from);
            return true;
        }
        case stLine: {
            const TLineEnds ends = map_.GetLineEnds(id);
            if (!ends.Found) return true;
            if (!Convert(ends.X1, ends.Y1, from) || !Convert(ends.X2, ends.Y2, to)) return false;
            document_.AddLine(NextName("Track_"), TrackStyle(layer), from, to);
            return true;
        }
        default:
            return Polyline(id, TrackStyle(layer));
    }
}

// Kinds other than the polylines have no vertices.
bool TExportWalk::Polyline(int id, std::string_view style) {
    const int count = map_.GetVertexCount(id);
    if (count < 2) return true;
    vertices_.resize(count);
    for (int i = 0; i < count; ++i) {
        if (!Convert(map_.GetVertexX(id, i), map_.GetVertexY(id, i), vertices_[i])) return false;
    }
    document_.AddPolyline(NextName("Track_"), style, vertices_);
    return true;
}

const char* TExportWalk::TrackStyle(int layer) const {
    if (layer == fixLayer_) return "#trackFix";
    if (layer == floatLayer_) return "#trackFloat";
    if (layer == noFixLayer_) return "#trackNofix";
    return "#trackOther";
}

bool TExportWalk::Soundings() {
    TLonLat at;
    for (const TSounding& sounding : map_.GetSoundings()) {
        if (!Convert(sounding.X, sounding.Y, at)) return false;
        document_.AddPoint(FloatToStrF(sounding.Z, kDepthPrecision, kDepthDecimals) + "m",
                           "#depthStyle", at);
        ++soundings_;
    }
    return true;
}

bool TExportWalk::Vessel(double easting, double northing) {
    if (easting == 0 && northing == 0) return true;
    TLonLat at;
    if (!Convert(easting, northing, at)) return false;
    document_.AddVessel(at);
    return true;
}

}  // namespace

TKmlExport BuildKmlExport(const TCanvasModel& map, double vesselEasting, double vesselNorthing,
                          std::string_view documentName, const TGridToLonLat& convert,
                          TKmlSink sink) {
    TExportWalk walk(map, documentName, convert, std::move(sink));
    if (!walk.Shapes() || !walk.Soundings() || !walk.Vessel(vesselEasting, vesselNorthing)) {
        return walk.Unconverted();
    }
    return walk.Finish();
}
