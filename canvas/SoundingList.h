#pragma once
// The depth labels along the track, thinned as they come: a label is kept only when no stored
// label lies closer than the minimum spacing, and past 10,000 labels the oldest 1,000 go.
//
// The spacing test looks only at the labels near the new one, through a grid of square cells
// twice the spacing wide: every label closer than the spacing lies in the new label's cell or
// one of its eight neighbours, and labels at least the spacing apart fill a cell with a handful
// at most. So a map tick costs the same with the day's last label as with its first.

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

// One depth label: grid position and depth, metres.
struct TSounding {
    double X = 0, Y = 0, Z = 0;
};

class TSoundingList {
public:
    static constexpr std::size_t kMaxCount = 10000;
    static constexpr std::size_t kDropCount = 1000;

    // Stores the sounding unless one already stored lies closer than minSpacing to it (one
    // exactly minSpacing away does not count); returns whether it was stored. A spacing that
    // is not positive keeps everything; a non-finite sounding is never stored.
    bool Add(const TSounding& sounding, double minSpacing);
    void Clear();

    // Oldest first.
    const std::vector<TSounding>& Items() const { return items_; }
    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    // Counts the changes of Items().
    unsigned Revision() const { return revision_; }

private:
    struct TCell {
        std::int64_t Column = 0, Row = 0;
        bool operator==(const TCell&) const = default;
    };
    struct TCellHash {
        std::size_t operator()(const TCell& cell) const;
    };

    TCell CellOf(double x, double y) const;
    bool HasNeighbourCloserThan(const TSounding& sounding, double spacing) const;
    // Indexes every stored sounding for cells that suit this spacing.
    void Reindex(double spacing);

    std::vector<TSounding> items_;
    unsigned revision_ = 0;
    // The spacing the cells were laid out for, and the positions in items_ by cell.
    double indexedSpacing_ = 0;
    std::unordered_map<TCell, std::vector<std::uint32_t>, TCellHash> cells_;
};
