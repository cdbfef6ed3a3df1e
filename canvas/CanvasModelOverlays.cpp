#include "canvas/CanvasModel.h"
#include "canvas/OverlayLayout.h"
#include "canvas/QPainterSurface.h"

#include <QFontMetrics>

void TCanvasModel::AddSounding(double x, double y, double z) {
    Soundings.Add({x, y, z}, SoundingMinSpacing);
    Invalidate();
}

void TCanvasModel::ClearSoundings() {
    Soundings.Clear();
    Invalidate();
}

void TCanvasModel::SetSoundingStyle(bool visible, double minSpacing, const QString& fontName,
                                    int fontSize, TColor color) {
    SoundingsVisible = visible;
    SoundingMinSpacing = minSpacing;
    SoundingFontName = fontName;
    SoundingFontSize = fontSize;
    SoundingColor = color;
    Invalidate();
}

void TCanvasModel::AddNumberLabel(double x, double y, int number) {
    NumberLabels.push_back({x, y, number});
    ++numberLabelsRevision_;
    Invalidate();
}

void TCanvasModel::ClearNumberLabels() {
    NumberLabels.clear();
    ++numberLabelsRevision_;
    Invalidate();
}

void TCanvasModel::SetDepthOverlay(double hi, double lo, bool show) {
    DepthHi = hi;
    DepthLo = lo;
    ShowDepth = show;
    Invalidate();
}

void TCanvasModel::SetSpeedOverlay(double knots, bool show) {
    SpeedKn = knots;
    ShowSpeed = show;
    Invalidate();
}

void TCanvasModel::CycleBigNumberCorner() {
    BigNumberCorner = (BigNumberCorner + 1) % 4;
    Invalidate();
}

void TCanvasModel::CyclePositionTextCorner() {
    PositionTextCorner = (PositionTextCorner + 1) % 4;
    Invalidate();
}

void TCanvasModel::SetHeadingValid(bool valid) {
    HeadingValid = valid;
    Invalidate();
}

void TCanvasModel::SetPositionOverlay(const std::string& ggaOverlayText, bool emptyGGA,
                                      int fixQuality) {
    GGAOverlayText = ggaOverlayText;
    EmptyGGA = emptyGGA;
    CurrentFixQuality = fixQuality;
    Invalidate();
}

void TCanvasModel::BeginMeasure(double x, double y) {
    Measuring = true;
    MeasureStartX = MeasureEndX = x;
    MeasureStartY = MeasureEndY = y;
    MeasureDistance = 0;
    Invalidate();
}

void TCanvasModel::UpdateMeasure(double x, double y, double distance, double bearing) {
    if (Measuring) {
        MeasureEndX = x;
        MeasureEndY = y;
        MeasureDistance = distance;
        MeasureBearing = bearing;
    }
    Invalidate();
}

void TCanvasModel::EndMeasure() {
    Measuring = false;
    Invalidate();
}

bool TCanvasModel::IsOnPositionText(int px, int py) const {
    const QString text = PositionText(EmptyGGA, GGAOverlayText);
    if (text.isEmpty()) return false;
    const QFontMetrics metrics(ScreenFont(kPositionFontName, kPositionFontSize, true, false));
    return PositionBox(PositionTextCorner, ClientWidth(), ClientHeight(),
                       metrics.horizontalAdvance(text), metrics.height())
        .Contains(px, py);
}
