#include "canvas/DxfDrawing.h"

#include "canvas/CanvasModel.h"
#include "canvas/QShapeCircle.h"
#include "canvas/QShapeLine.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapePolyline.h"
#include "canvas/QShapeText.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <optional>

namespace {

bool AllFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// The kinds the reader builds, told by their ShapeType; the box covers what the fields miss
// (a text's extent).
bool HasFiniteGeometry(const TQShape& shape) {
    if (!AllFinite({shape.MinX, shape.MinY, shape.MaxX, shape.MaxY})) return false;
    switch (shape.ShapeType) {
        case stLine: {
            const auto& line = static_cast<const TQLine&>(shape);
            return AllFinite({line.X1, line.Y1, line.X2, line.Y2});
        }
        case stCircle: {
            const auto& circle = static_cast<const TQCircle&>(shape);
            return AllFinite({circle.CX, circle.CY, circle.R});
        }
        case stPoint: {
            const auto& point = static_cast<const TQPoint&>(shape);
            return AllFinite({point.X, point.Y});
        }
        case stText: {
            const auto& text = static_cast<const TQText&>(shape);
            return AllFinite({text.X, text.Y, text.Size, text.Angle});
        }
        case stPolyline:
        case stPolygon: {
            const auto& vertices = static_cast<const TQPolyline&>(shape).Vertices;
            return std::all_of(vertices.begin(), vertices.end(), [](const TWorldPoint& v) {
                return AllFinite({v.X, v.Y});
            });
        }
        default:
            return true;
    }
}

struct TEnds {
    double X1, Y1, X2, Y2;
};

TWorldPoint Placed(const TDxfInsert& insert, double x, double y) {
    const double r = insert.RotationDeg * std::numbers::pi / 180;
    const double sx = (x - insert.Block->BaseX) * insert.ScaleX;
    const double sy = (y - insert.Block->BaseY) * insert.ScaleY;
    return {sx * std::cos(r) - sy * std::sin(r) + insert.X,
            sx * std::sin(r) + sy * std::cos(r) + insert.Y};
}

// The ends of a block's line as the reference places it; none for other kinds and for ends
// that leave the finite numbers.
std::optional<TEnds> PlacedLine(const TDxfInsert& insert, const TQShape& shape) {
    if (shape.ShapeType != stLine) return std::nullopt;
    const auto& line = static_cast<const TQLine&>(shape);
    const TWorldPoint a = Placed(insert, line.X1, line.Y1);
    const TWorldPoint b = Placed(insert, line.X2, line.Y2);
    if (!AllFinite({a.X, a.Y, b.X, b.Y})) return std::nullopt;
    return TEnds{a.X, a.Y, b.X, b.Y};
}

}  // namespace

TDxfDrawing::TDxfDrawing(const TDxfTarget& target, const TCanvasModel& canvas) : target_(target) {
    for (const auto& block : canvas.Blocks) {
        if (!earlierBlockOfName_.contains(block->Name)) {
            earlierBlockOfName_.insert(block->Name, block.get());
        }
    }
}

TDxfDrawing::~TDxfDrawing() = default;

void TDxfDrawing::AddShape(std::unique_ptr<TQShape> shape) {
    if (!HasFiniteGeometry(*shape)) return;
    shape->LayerId = target_.LayerId;
    items_.push_back({std::move(shape), 0});
    ++count_;
}

void TDxfDrawing::AddInsert(const TDxfInsert& insert) {
    if (!insert.Block) return;
    // Counted before a line is placed: a reference to a large block must not take the time
    // to place lines that will be refused.
    if (count_ + blockLines_ + insert.Block->Shapes.size() > kMaxDxfShapes) {
        count_ += insert.Block->Shapes.size();
        return;
    }
    std::size_t lines = 0;
    for (const auto& shape : insert.Block->Shapes) lines += PlacedLine(insert, *shape) ? 1 : 0;
    if (lines == 0) return;
    inserts_.push_back(insert);
    items_.push_back({nullptr, inserts_.size() - 1});
    count_ += lines;
}

void TDxfDrawing::AddBlockLine(TQBlock& block, std::unique_ptr<TQLine> line) {
    if (!HasFiniteGeometry(*line)) return;
    block.Shapes.push_back(std::move(line));
    ++blockLines_;
}

void TDxfDrawing::AddBlock(std::unique_ptr<TQBlock> block) {
    if (!blockOfName_.contains(block->Name)) blockOfName_.insert(block->Name, block.get());
    blocks_.push_back(std::move(block));
}

const TQBlock* TDxfDrawing::FindBlock(const QString& name) const {
    if (const TQBlock* own = blockOfName_.value(name)) return own;
    return earlierBlockOfName_.value(name);
}

void TDxfDrawing::MoveInto(TCanvasModel& canvas) {
    canvas.ReserveShapes(canvas.Shapes().size() + count_);
    for (TItem& item : items_) {
        if (item.shape) {
            canvas.AddShape(std::move(item.shape));
            continue;
        }
        const TDxfInsert& insert = inserts_[item.insert];
        for (const auto& shape : insert.Block->Shapes) {
            const std::optional<TEnds> ends = PlacedLine(insert, *shape);
            if (!ends) continue;
            auto line =
                std::make_unique<TQLine>(target_.LayerId, ends->X1, ends->Y1, ends->X2, ends->Y2);
            line->Color = insert.Color != kNoAciColor ? insert.Color : shape->Color;
            canvas.AddShape(std::move(line));
        }
    }
    items_.clear();
    canvas.Blocks.insert(canvas.Blocks.begin(), std::make_move_iterator(blocks_.begin()),
                         std::make_move_iterator(blocks_.end()));
    blocks_.clear();
}
