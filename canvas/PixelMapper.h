#pragma once
// World to pixel conversion of one drawing pass. World x grows east and y north; pixels grow
// right and down. A pixel is the floor of the world position's distance from the origin in
// pixels, less a whole-pixel offset, so moving the offset by n moves every pixel by exactly n.

#include <cmath>

// Far-away world points would overflow int; they stop at this many pixels off the surface,
// small enough that sums and differences of two such coordinates still fit in an int, and
// far beyond any surface. NaN gives 0.
constexpr double kPixelLimit = 1 << 28;

inline int SaturatedTrunc(double value) {
    if (std::isnan(value)) return 0;
    if (value >= kPixelLimit) return static_cast<int>(kPixelLimit);
    if (value <= -kPixelLimit) return -static_cast<int>(kPixelLimit);
    return static_cast<int>(value);
}

inline int FloorSaturated(double value) { return SaturatedTrunc(std::floor(value)); }

class TPixelMapper {
public:
    // The view's world edges and the surface size in pixels.
    TPixelMapper(double viewLeft, double viewRight, double viewTop, double viewBottom, int width,
                 int height)
        : TPixelMapper(viewLeft, viewTop, width / (viewRight - viewLeft),
                       height / (viewTop - viewBottom), 0, 0, width, height) {}
    // The world point (originX, originY) at pixel (-offsetX, -offsetY), scales in pixels per
    // world unit.
    TPixelMapper(double originX, double originY, double scaleX, double scaleY, int offsetX,
                 int offsetY, int width, int height)
        : left_(originX),
          top_(originY),
          scaleX_(scaleX),
          scaleY_(scaleY),
          offsetX_(offsetX),
          offsetY_(offsetY),
          width_(width),
          height_(height) {}

    int X(double x) const { return FloorSaturated((x - left_) * scaleX_) - offsetX_; }
    int Y(double y) const { return FloorSaturated((top_ - y) * scaleY_) - offsetY_; }
    // Pixels per world unit.
    double ScaleX() const { return scaleX_; }
    double ScaleY() const { return scaleY_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    double left_, top_, scaleX_, scaleY_;
    int offsetX_, offsetY_;
    int width_, height_;
};
