#include "tools/SVPGraphModel.h"

#include "platform/NumberFormat.h"
#include "platform/ScanPattern.h"
#include "tools/ConversionError.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kMinDragVelocity = 1300;  // m/s, a drag outside leaves the point where it was
constexpr double kMaxDragVelocity = 1700;
constexpr double kMinZoomSpan = 5;  // m/s across, m down
constexpr double kZoomInFactor = 0.9;
constexpr double kZoomOutFactor = 1.1;
constexpr double kMinViewSpan = 10;   // m/s, before the margins
constexpr double kViewMargin = 0.05;  // of the span, each side
constexpr double kSVGridStep = 10;    // m/s
constexpr int kMaxGridGrowth = 400;   // tenfold steps; a double's range is far smaller

// origin + extent × fraction, truncated toward zero, within kPixelLimit of the origin.
int Pixel(int origin, int extent, double fraction) {
    const double offset = extent * fraction;
    if (std::isnan(offset)) return origin;
    const auto limit = static_cast<double>(TSVPPlot::kPixelLimit);
    return origin + static_cast<int>(std::clamp(offset, -limit, limit));
}

bool Finite(const TSVPView& view) {
    return std::isfinite(view.svLeft) && std::isfinite(view.svRight) &&
           std::isfinite(view.depthTop) && std::isfinite(view.depthBottom);
}

// Keeps the cursor value c at its place on the axis; a zero span centres on c.
void ZoomAxis(double& low, double& high, double c, double factor) {
    const double span = high - low;
    const double newSpan = std::max(kMinZoomSpan, factor * span);
    const double newLow = span != 0 ? c - newSpan * ((c - low) / span) : c - newSpan / 2;
    const double newHigh = newLow + newSpan;
    if (!std::isfinite(newLow) || !std::isfinite(newHigh)) return;
    low = newLow;
    high = newHigh;
}

// Lines from the multiple of `step` at or below `low` up to `high`, the step growing tenfold
// until there are no more lines than pixels.
TGridLines Lines(double low, double high, double step, int pixels) {
    if (pixels <= 0 || !(high >= low)) return {};
    for (int growth = 0; growth < kMaxGridGrowth; ++growth, step *= 10) {
        const double first = std::floor(low / step) * step;
        const double count = std::floor((high - first) / step) + 1;
        if (count <= pixels) return {first, step, static_cast<long long>(count)};
    }
    return {};
}

}  // namespace

void TSVPPlot::ReadPointLines(std::span<const std::string> lines) {
    Points.clear();
    const TScanPattern pattern("%d,%lf,%d");
    for (const std::string& line : lines) {
        int depth = 0, hits = 0;
        double sv = 0;
        const int read = pattern.Scan(line, {&depth, &sv, &hits});
        if (read >= 2) Points.push_back({depth, sv, read == 3 ? hits : 1, false});
    }
    ResetView();
}

std::vector<std::string> TSVPPlot::PointLines() const {
    std::vector<std::string> lines;
    lines.reserve(Points.size());
    for (const TSVPPoint& point : Points) {
        const std::array<std::string, 3> cells = GridRow(point);
        lines.push_back(cells[0] + "," + cells[1] + "," + cells[2]);
    }
    return lines;
}

void TSVPPlot::ResetView() {
    if (Points.empty()) return;
    double top = 10000, bottom = 0, low = 1600, high = 1300;
    for (const TSVPPoint& point : Points) {
        top = std::min<double>(top, point.Depth);
        bottom = std::max<double>(bottom, point.Depth);
        low = std::min(low, point.SV);
        high = std::max(high, point.SV);
    }
    const double span = std::max(kMinViewSpan, high - low);
    const TSVPView view{low - kViewMargin * span, high + kViewMargin * span, top, bottom};
    if (Finite(view)) View = view;
}

int TSVPPlot::SVToX(double sv) const {
    if (View.svRight == View.svLeft) return PlotLeft();
    return Pixel(PlotLeft(), PlotRight() - PlotLeft(),
                 (sv - View.svLeft) / (View.svRight - View.svLeft));
}

int TSVPPlot::DepthToY(double depth) const {
    if (View.depthBottom == View.depthTop) return PlotTop();
    return Pixel(PlotTop(), PlotBottom() - PlotTop(),
                 (depth - View.depthTop) / (View.depthBottom - View.depthTop));
}

double TSVPPlot::XToSV(int x) const {
    const int width = PlotRight() - PlotLeft();
    if (width == 0) return View.svLeft;
    return View.svLeft + (View.svRight - View.svLeft) * (x - PlotLeft()) / width;
}

double TSVPPlot::YToDepth(int y) const {
    const int height = PlotBottom() - PlotTop();
    if (height == 0) return View.depthTop;
    return View.depthTop + (View.depthBottom - View.depthTop) * (y - PlotTop()) / height;
}

int TSVPPlot::HitTest(int x, int y) const {
    for (std::size_t i = 0; i < Points.size(); ++i) {
        if (std::abs(SVToX(Points[i].SV) - x) <= kHitRadius &&
            std::abs(DepthToY(Points[i].Depth) - y) <= kHitRadius) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool TSVPPlot::PointInLasso(int x, int y) const {
    if (Lasso.size() < 3) return false;
    bool inside = false;
    for (std::size_t i = 0, j = Lasso.size() - 1; i < Lasso.size(); j = i++) {
        const long long xi = Lasso[i].X, yi = Lasso[i].Y, xj = Lasso[j].X, yj = Lasso[j].Y;
        if ((y < yi) != (y < yj) && x < xi + (y - yi) * (xj - xi) / (yj - yi)) inside = !inside;
    }
    return inside;
}

int TSVPPlot::SelectInLasso() {
    int selected = 0;
    for (TSVPPoint& point : Points) {
        point.Selected = PointInLasso(SVToX(point.SV), DepthToY(point.Depth));
        selected += point.Selected ? 1 : 0;
    }
    return selected;
}

void TSVPPlot::ZoomAt(int x, int y, int wheelDelta) {
    const double factor = wheelDelta > 0 ? kZoomInFactor : kZoomOutFactor;
    const double sv = XToSV(x), depth = YToDepth(y);
    ZoomAxis(View.svLeft, View.svRight, sv, factor);
    ZoomAxis(View.depthTop, View.depthBottom, depth, factor);
}

bool TSVPPlot::DragTo(int x) {
    if (!Dragging || DragIndex < 0 || DragIndex >= static_cast<int>(Points.size())) return false;
    const double sv = XToSV(x);
    if (!(sv >= kMinDragVelocity && sv <= kMaxDragVelocity)) return false;
    Points[static_cast<std::size_t>(DragIndex)].SV = sv;
    Modified = true;
    return true;
}

void TSVPPlot::ExtendLasso(int x, int y) {
    if (!Lasso.empty() && std::abs(x - Lasso.back().X) <= kLassoStep &&
        std::abs(y - Lasso.back().Y) <= kLassoStep) {
        return;
    }
    Lasso.push_back({x, y});
}

void TSVPPlot::DeleteSelected() {
    std::erase_if(Points, [](const TSVPPoint& point) { return point.Selected; });
    Modified = true;
    Lasso.clear();
    ResetView();
}

TGridLines TSVPPlot::SVGridLines() const {
    return Lines(View.svLeft, View.svRight, kSVGridStep, PlotRight() - PlotLeft());
}

TGridLines TSVPPlot::DepthGridLines() const {
    const double span = View.depthBottom - View.depthTop;
    const double step = span > 500 ? 100 : span > 200 ? 50 : 10;
    return Lines(View.depthTop, View.depthBottom, step, PlotBottom() - PlotTop());
}

std::array<std::string, 3> GridRow(const TSVPPoint& point) {
    return {IntToStr(point.Depth), FloatToStrF(point.SV, 10, 2), IntToStr(point.Hits)};
}

std::optional<std::vector<TSVPPoint>> PointsOfGridRows(
    std::span<const std::array<std::string, 3>> rows, std::string& error) {
    std::vector<TSVPPoint> points;
    points.reserve(rows.size());
    for (const std::array<std::string, 3>& row : rows) {
        TSVPPoint point;
        if (!TryStrToInt(row[0], point.Depth)) {
            error = IntegerConversionMessage(QString::fromStdString(row[0])).toStdString();
            return std::nullopt;
        }
        if (!TryStrToFloat(row[1], point.SV)) {
            error = FloatConversionMessage(row[1]);
            return std::nullopt;
        }
        point.Hits = StrToIntDef(row[2], 1);
        points.push_back(point);
    }
    return points;
}
