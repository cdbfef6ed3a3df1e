#pragma once
// An open or closed chain of vertices, kept in double precision as put in. ShapeType selects the
// drawing: 5 open, 6 closed, 8 a spline through the vertices, 10 a three-point arc. Only the
// segments hit; a closed polyline's closing edge and interior do not.

#include "canvas/QShape.h"

#include <span>
#include <vector>

class TQPolyline final : public TQShape {
public:
    TQPolyline(int layerId, int shapeType, bool closed)
        : TQShape(layerId, shapeType), Closed(closed) {}

    bool HitTest(double x, double y, double tolerance) const override;
    // Keeps the old box when there are no vertices.
    void UpdateBounds() override;

    // Each of these keeps the bounds up to date; an index out of range changes nothing and a
    // read out of range gives 0.
    void AddVertex(double x, double y);
    // Appends every point in order, then updates the bounds once.
    void AddVertices(std::span<const TWorldPoint> points);
    double VertexX(int i) const;
    double VertexY(int i) const;
    void SetVertex(int i, double x, double y);
    // Inserts before i, for 0 <= i <= count.
    void InsertVertex(int i, double x, double y);
    void DeleteVertex(int i);
    int VertexCount() const { return static_cast<int>(Vertices.size()); }

    std::vector<TWorldPoint> Vertices;
    bool Closed;

protected:
    void DrawShape(TDrawSurface& surface, const TPixelMapper& view,
                   TColor drawColor) const override;
    void MapPoints(const TPointMap& map) override;

private:
    bool InRange(int i) const { return i >= 0 && i < VertexCount(); }
};
