#include "canvas/RasterLattice.h"

#include <cmath>
#include <cstdlib>

namespace {

// A pan changes the view's width by a rounding error at most; anything more is a new scale.
constexpr double kSameScale = 1e-9;
// Beyond this shift the lattice is laid again, so that lattice columns stay far from the
// saturation limit and the shift fits in every sum.
constexpr double kMaxShift = 1 << 20;

double PixelsPerUnit(int pixels, double span) {
    const double scale = pixels / span;
    return std::isfinite(scale) && scale > 0 ? scale : 1;
}

bool Near(double a, double b) { return std::abs(a / b - 1) <= kSameScale; }

}  // namespace

bool TRasterLattice::Follow(double viewLeft, double viewRight, double viewTop, double viewBottom,
                            int width, int height) {
    const double scaleX = PixelsPerUnit(width, viewRight - viewLeft);
    const double scaleY = PixelsPerUnit(height, viewTop - viewBottom);
    if (laid_ && Near(scaleX, ScaleX) && Near(scaleY, ScaleY)) {
        const double shiftX = std::round((viewLeft - OriginX) * ScaleX);
        const double shiftY = std::round((OriginY - viewTop) * ScaleY);
        if (std::abs(shiftX) <= kMaxShift && std::abs(shiftY) <= kMaxShift) {
            ShiftX = static_cast<int>(shiftX);
            ShiftY = static_cast<int>(shiftY);
            return false;
        }
    }
    Lay(viewLeft, viewTop, scaleX, scaleY);
    return true;
}

void TRasterLattice::Lay(double viewLeft, double viewTop, double scaleX, double scaleY) {
    OriginX = viewLeft;
    OriginY = viewTop;
    ScaleX = scaleX;
    ScaleY = scaleY;
    ShiftX = ShiftY = 0;
    laid_ = true;
}

TPixelMapper TRasterLattice::MapperFor(const TRasterRect& rect) const {
    return TPixelMapper(OriginX, OriginY, ScaleX, ScaleY, rect.Left, rect.Top, rect.Width,
                        rect.Height);
}

TWorldRect TRasterLattice::WorldOf(const TRasterRect& rect) const {
    return {OriginX + rect.Left / ScaleX, OriginX + rect.Right() / ScaleX,
            OriginY - rect.Top / ScaleY, OriginY - rect.Bottom() / ScaleY};
}
