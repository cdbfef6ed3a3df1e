#include "canvas/CanvasModel.h"

#include "canvas/QShapePoint.h"
#include "canvas/QShapeRectangle.h"
#include "canvas/XyzGrid.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cmath>

namespace {

// Half the side of a point's box, world units: the hit area of a sample.
constexpr double kPointHalfBox = 3;

// A component of the ramp, 0 to 255, from a share 0 to 1 (truncated, as the ramp is defined).
int Component(double share) { return static_cast<int>(share * 255); }

std::unique_ptr<TQShape> GridCell(const TXyzSample& s, const TXyzGridSteps& steps, int layer,
                                  TColor color) {
    auto cell = std::make_unique<TQRectangle>(layer, s.X - steps.Dx / 2, s.Y - steps.Dy / 2,
                                              s.X + steps.Dx / 2, s.Y + steps.Dy / 2, s.Z, 0);
    cell->Color = color;
    cell->FillColor = color;
    cell->BrushStyle = bsSolid;
    cell->LineWidth = 0;
    return cell;
}

std::unique_ptr<TQShape> SamplePoint(const TXyzSample& s, int layer, TColor color) {
    auto point = std::make_unique<TQPoint>(layer, s.X, s.Y);
    point->Value = s.Z;
    point->Radius = 1;
    point->MinX = s.X - kPointHalfBox;
    point->MinY = s.Y - kPointHalfBox;
    point->MaxX = s.X + kPointHalfBox;
    point->MaxY = s.Y + kPointHalfBox;
    point->Color = color;
    point->LineWidth = 0;
    return point;
}

}  // namespace

TColor TCanvasModel::HeightRampColor(double z, double low, double high) {
    const double range = high - low;
    double a = (z - low) / (range > 0 ? range : 1);
    a = std::isfinite(a) ? std::clamp(a, 0.0, 1.0) : 0.0;
    int red = 0, green = 0, blue = 0;
    if (a < 0.25) {
        red = 255;
        green = Component(a * 4);
    } else if (a < 0.5) {
        red = Component(1 - (a - 0.25) * 4);
        green = 255;
    } else if (a < 0.75) {
        green = 255;
        blue = Component((a - 0.5) * 4);
    } else {
        green = Component(1 - (a - 0.75) * 4);
        blue = 255;
    }
    return red + 256 * green + 65536 * blue;
}

bool TCanvasModel::ImportXYZGrid(const QString& path, int layer, double zMin, double zMax) {
    std::string text;
    if (!ReadFileBytes(path.toStdString(), text)) return false;
    const TXyzSamples read = ReadXyzSamples(text);
    if (read.Samples.empty()) return false;
    const bool dataRange = zMin == 0 && zMax == 0;
    const double low = dataRange ? read.ZLow : zMin;
    const double high = dataRange ? read.ZHigh : zMax;
    const TXyzGridSteps steps = DetectXyzGrid(read.Samples);
    const int target = LayerOrDefault(layer);
    ReserveShapes(Shapes().size() + read.Samples.size());
    for (const TXyzSample& sample : read.Samples) {
        const TColor color = HeightRampColor(sample.Z, low, high);
        AddShape(steps.IsGrid ? GridCell(sample, steps, target, color)
                              : SamplePoint(sample, target, color));
    }
    Dirty = true;
    ZoomExtents();
    return true;
}
