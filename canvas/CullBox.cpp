#include "canvas/CullBox.h"

#include "canvas/QShapePoint.h"

#include <cmath>
#include <limits>
#include <typeinfo>

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

// The largest float at or below value (the smallest at or above with `up`); NaN stays NaN.
float Outward(double value, bool up) {
    if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
    if (value > std::numeric_limits<float>::max())
        return up ? kInfinity : std::numeric_limits<float>::max();
    if (value < -std::numeric_limits<float>::max())
        return up ? -std::numeric_limits<float>::max() : -kInfinity;
    const float rounded = static_cast<float>(value);
    if (up && rounded < value) return std::nextafter(rounded, kInfinity);
    if (!up && rounded > value) return std::nextafter(rounded, -kInfinity);
    return rounded;
}

}  // namespace

TCullBox CullBoxOf(const TQShape& shape) {
    return {Outward(shape.MinX, false), Outward(shape.MinY, false), Outward(shape.MaxX, true),
            Outward(shape.MaxY, true)};
}

TCullKind CullKindOf(const TQShape& shape) {
    if (shape.ShapeType == stText) return TCullKind::Text;
    // TQPoint is final: comparing the type is exact and much cheaper than a dynamic_cast.
    return typeid(shape) == typeid(TQPoint) ? TCullKind::Point : TCullKind::Other;
}
