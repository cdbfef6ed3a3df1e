#include "canvas/SoundingList.h"

#include <algorithm>
#include <cmath>

namespace {

// Cell numbers stop here, well inside the exact integers of a double, so that the floor of a
// position over the cell width is off by less than a cell. Positions beyond (a spacing absurdly
// small for the coordinates) share the edge cells: still exact, only slower.
constexpr double kMaxCellNumber = 1e15;

std::int64_t CellNumber(double position, double cellWidth) {
    return static_cast<std::int64_t>(
        std::clamp(std::floor(position / cellWidth), -kMaxCellNumber, kMaxCellNumber));
}

bool IsFinite(const TSounding& s) {
    return std::isfinite(s.X) && std::isfinite(s.Y) && std::isfinite(s.Z);
}

}  // namespace

std::size_t TSoundingList::TCellHash::operator()(const TCell& cell) const {
    const std::uint64_t h = static_cast<std::uint64_t>(cell.Column) * 0x9E3779B97F4A7C15ull ^
                            static_cast<std::uint64_t>(cell.Row) * 0xC2B2AE3D27D4EB4Full;
    return static_cast<std::size_t>(h ^ (h >> 29));
}

TSoundingList::TCell TSoundingList::CellOf(double x, double y) const {
    const double cellWidth = 2 * indexedSpacing_;
    return {CellNumber(x, cellWidth), CellNumber(y, cellWidth)};
}

bool TSoundingList::HasNeighbourCloserThan(const TSounding& sounding, double spacing) const {
    const TCell centre = CellOf(sounding.X, sounding.Y);
    for (std::int64_t column = centre.Column - 1; column <= centre.Column + 1; ++column) {
        for (std::int64_t row = centre.Row - 1; row <= centre.Row + 1; ++row) {
            const auto cell = cells_.find({column, row});
            if (cell == cells_.end()) continue;
            for (const std::uint32_t i : cell->second) {
                const double distance =
                    std::hypot(items_[i].X - sounding.X, items_[i].Y - sounding.Y);
                if (spacing > distance) return true;
            }
        }
    }
    return false;
}

void TSoundingList::Reindex(double spacing) {
    indexedSpacing_ = spacing > 0 ? spacing : 0;
    cells_.clear();
    if (indexedSpacing_ == 0) return;
    for (std::uint32_t i = 0; i < items_.size(); ++i) {
        cells_[CellOf(items_[i].X, items_[i].Y)].push_back(i);
    }
}

bool TSoundingList::Add(const TSounding& sounding, double minSpacing) {
    if (!IsFinite(sounding)) return false;
    if (minSpacing > 0) {
        if (minSpacing != indexedSpacing_) Reindex(minSpacing);
        if (HasNeighbourCloserThan(sounding, minSpacing)) return false;
    }
    items_.push_back(sounding);
    ++revision_;
    if (items_.size() > kMaxCount) {
        items_.erase(items_.begin(), items_.begin() + kDropCount);
        Reindex(indexedSpacing_);
    } else if (indexedSpacing_ > 0) {
        cells_[CellOf(sounding.X, sounding.Y)].push_back(
            static_cast<std::uint32_t>(items_.size() - 1));
    }
    return true;
}

void TSoundingList::Clear() {
    items_.clear();
    ++revision_;
    cells_.clear();
}
