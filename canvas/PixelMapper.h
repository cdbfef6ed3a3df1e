#pragma once
// World to pixel conversion of one drawing pass. World x grows east and y north; pixels grow
// right and down. Coordinates are truncated toward zero.

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

class TPixelMapper {
  public:
    // The view's world edges and the surface size in pixels.
    TPixelMapper(double viewLeft, double viewRight, double viewTop, double viewBottom, int width,
                 int height)
        : left_(viewLeft),
          top_(viewTop),
          scaleX_(width / (viewRight - viewLeft)),
          scaleY_(height / (viewTop - viewBottom)),
          width_(width),
          height_(height) {}

    int X(double x) const { return SaturatedTrunc((x - left_) * scaleX_); }
    int Y(double y) const { return SaturatedTrunc((top_ - y) * scaleY_); }
    // Pixels per world unit.
    double ScaleX() const { return scaleX_; }
    double ScaleY() const { return scaleY_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    double left_, top_, scaleX_, scaleY_;
    int width_, height_;
};
