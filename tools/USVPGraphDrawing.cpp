// The graph's painting: the dotted grid with its labels and the axes, the profile line and its
// points, and the lasso. Each draws from the plot's state alone, so a paint is bounded by the
// points and the plot's pixels, whatever the view.

#include "canvas/QPainterSurface.h"
#include "platform/NumberFormat.h"
#include "tools/USVPGraph.h"

#include <QPainter>
#include <QPolygon>
#include <optional>
#include <utility>

namespace {

constexpr int kPointRadius = 4;  // px; the circle spans x - 4 to x + 5
constexpr int kPointSize = 9;

// Text placed by its top-left corner in the font's colour, black, as the class library writes
// it whatever the pen.
void TextOut(QPainter& canvas, int x, int y, const std::string& text) {
    const QPen pen = canvas.pen();
    canvas.setPen(Qt::black);
    canvas.drawText(QPoint(x, y + canvas.fontMetrics().ascent()), QString::fromStdString(text));
    canvas.setPen(pen);
}

// A point's fill and outline: red on maroon when selected, lime on green while dragged, else
// blue on navy.
enum class TPointStyle { Plain, Selected, Dragged };

TPointStyle StyleOf(const TSVPPoint& point, bool dragged) {
    if (point.Selected) return TPointStyle::Selected;
    return dragged ? TPointStyle::Dragged : TPointStyle::Plain;
}

void UseStyle(QPainter& canvas, TPointStyle style) {
    const std::pair<TColor, TColor> colours[] = {{kBlue, kNavy}, {kRed, kMaroon}, {kLime, kGreen}};
    const auto [fill, outline] = colours[static_cast<int>(style)];
    canvas.setPen(ToQColor(outline));
    canvas.setBrush(ToQColor(fill));
}

}  // namespace

void TfSVPGraph::PaintBox1Paint(QPainter& canvas) const {
    canvas.fillRect(QRect(0, 0, PlotWidth, PlotHeight), Qt::white);
    DrawGrid(canvas);
    DrawPoints(canvas);
    DrawLasso(canvas);
}

void TfSVPGraph::DrawGrid(QPainter& canvas) const {
    canvas.setPen(QPen(ToQColor(kSilver), 1, Qt::DotLine));
    const TGridLines sv = SVGridLines();
    for (long long i = 0; i < sv.count; ++i) {
        const double value = sv.first + static_cast<double>(i) * sv.step;
        const int x = SVToX(value);
        if (x < PlotLeft() || x > PlotRight()) continue;
        canvas.drawLine(x, PlotTop(), x, PlotBottom());
        TextOut(canvas, x - 15, PlotBottom() + 5, FormatFixed(value, 0));
    }
    const TGridLines depth = DepthGridLines();
    for (long long i = 0; i < depth.count; ++i) {
        const double value = depth.first + static_cast<double>(i) * depth.step;
        const int y = DepthToY(value);
        if (y < PlotTop() || y > PlotBottom()) continue;
        canvas.drawLine(PlotLeft(), y, PlotRight(), y);
        TextOut(canvas, 5, y - 6, FormatFixed(value, 0) + "m");
    }
    canvas.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    canvas.drawPolyline(QPolygon({QPoint(PlotLeft(), PlotTop()), QPoint(PlotLeft(), PlotBottom()),
                                  QPoint(PlotRight(), PlotBottom())}));
    QFont bold = canvas.font();
    bold.setBold(true);
    canvas.setFont(bold);
    TextOut(canvas, PlotWidth / 2 - 30, PlotHeight - 18, "SV (m/s)");
    bold.setBold(false);
    canvas.setFont(bold);
}

void TfSVPGraph::DrawPoints(QPainter& canvas) const {
    if (Points.empty()) return;
    QPolygon line(static_cast<int>(Points.size()));
    for (std::size_t i = 0; i < Points.size(); ++i) {
        line[static_cast<int>(i)] = QPoint(SVToX(Points[i].SV), DepthToY(Points[i].Depth));
    }
    canvas.setPen(QPen(ToQColor(kBlue), 1, Qt::SolidLine));
    canvas.drawPolyline(line);
    // The pen and brush change only where the style does: most profiles are one style.
    std::optional<TPointStyle> current;
    for (std::size_t i = 0; i < Points.size(); ++i) {
        const TPointStyle style = StyleOf(Points[i], static_cast<int>(i) == DragIndex);
        if (current != style) UseStyle(canvas, style);
        current = style;
        const QPoint at = line[static_cast<int>(i)];
        canvas.drawEllipse(at.x() - kPointRadius, at.y() - kPointRadius, kPointSize, kPointSize);
    }
    canvas.setBrush(Qt::NoBrush);
}

void TfSVPGraph::DrawLasso(QPainter& canvas) const {
    if (Lasso.size() < 2) return;
    QPolygon path(static_cast<int>(Lasso.size()));
    for (std::size_t i = 0; i < Lasso.size(); ++i) {
        path[static_cast<int>(i)] = QPoint(Lasso[i].X, Lasso[i].Y);
    }
    canvas.setPen(QPen(ToQColor(kRed), 1, Qt::DashLine));
    canvas.setBrush(Qt::NoBrush);
    if (Lassoing) {
        canvas.drawPolygon(path);
    } else {
        canvas.drawPolyline(path);
    }
}
