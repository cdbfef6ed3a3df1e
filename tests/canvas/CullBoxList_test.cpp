// The block boxes over the store's cull boxes against a brute-force union, after seeded random
// runs of edits: on the list itself with boxes that are inverted, infinite or NaN, and on a
// shape store through every way it changes, moves and reorders shapes.
#include "canvas/CullBoxList.h"
#include "tests/canvas/RandomStoreEdits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

bool Same(const TCullBox& a, const TCullBox& b) {
    return a.MinX == b.MinX && a.MinY == b.MinY && a.MaxX == b.MaxX && a.MaxY == b.MaxY;
}

// The union of each block's boxes, taken over the whole list; boxes with a NaN edge overlap
// nothing and count for nothing.
std::vector<TCullBox> BruteForceBlocks(const std::vector<TCullBox>& boxes) {
    std::vector<TCullBox> blocks((boxes.size() + kCullBlockSize - 1) / kCullBlockSize,
                                 {kInfinity, kInfinity, -kInfinity, -kInfinity});
    for (size_t i = 0; i < boxes.size(); ++i) {
        const TCullBox& box = boxes[i];
        if (std::isnan(box.MinX) || std::isnan(box.MinY) || std::isnan(box.MaxX) ||
            std::isnan(box.MaxY))
            continue;
        TCullBox& block = blocks[i / kCullBlockSize];
        block = {std::min(block.MinX, box.MinX), std::min(block.MinY, box.MinY),
                 std::max(block.MaxX, box.MaxX), std::max(block.MaxY, box.MaxY)};
    }
    return blocks;
}

bool BlocksAgree(const TCullBoxList& list, const std::vector<TCullBox>& boxes) {
    const std::vector<TCullBox> expected = BruteForceBlocks(boxes);
    const std::span<const TCullBox> blocks = list.Blocks();
    if (list.size() != boxes.size() || blocks.size() != expected.size()) {
        ADD_FAILURE() << list.size() << " boxes in " << blocks.size() << " blocks";
        return false;
    }
    for (size_t b = 0; b < blocks.size(); ++b) {
        if (!Same(blocks[b], expected[b])) {
            ADD_FAILURE() << "block " << b << " of " << blocks.size();
            return false;
        }
    }
    return true;
}

// Edits on the list and on a plain vector side by side.
class TRandomListEdits {
public:
    explicit TRandomListEdits(unsigned seed) : random_(seed) {}

    void Step() {
        const int choice = Below(100);
        if (choice < 50) {
            for (int n = Below(3) ? 1 : Below(600); n > 0; --n) Append(AnyBox());
        } else if (choice < 75 && !boxes.empty()) {
            const size_t position = Below(static_cast<int>(boxes.size()));
            const TCullBox box = AnyBox();
            list.Set(position, box);
            boxes[position] = box;
        } else if (choice < 85) {
            const size_t count = Below(static_cast<int>(boxes.size()) + 1);
            list.Truncate(count);
            boxes.resize(count);
        } else if (choice < 99 && !boxes.empty()) {
            Rotate();
        } else {
            list.Clear();
            boxes.clear();
        }
    }

    TCullBoxList list;
    std::vector<TCullBox> boxes;

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    void Append(const TCullBox& box) {
        list.Append(box, TCullKind::Other);
        boxes.push_back(box);
    }

    // Mostly small boxes along a path; now and then one inverted, infinite or with a NaN edge.
    TCullBox AnyBox() {
        const float x = static_cast<float>(boxes.size() % 997), y = static_cast<float>(Below(50));
        switch (Below(20)) {
            case 0:
                return {x + 5, y, x, y + 1};
            case 1:
                return {-kInfinity, y, x, y + 1};
            case 2:
                return {x, kNaN, x + 1, y + 1};
            case 3:
                return {kNaN, kNaN, kNaN, kNaN};
            default:
                return {x, y, x + 1, y + 1};
        }
    }

    void Rotate() {
        const int size = static_cast<int>(boxes.size());
        const int first = Below(size), last = first + 1 + Below(size - first);
        const int middle = first + Below(last - first);
        list.Rotate(first, middle, last);
        std::rotate(boxes.begin() + first, boxes.begin() + middle, boxes.begin() + last);
    }

    std::mt19937 random_;
};

TEST(CullBoxList, RandomEditsKeepEveryBlockTheUnionOfItsBoxes) {
    for (const unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TRandomListEdits edits(seed);
        size_t most = 0;
        for (int step = 0; step < 800; ++step) {
            edits.Step();
            most = std::max(most, edits.boxes.size());
            // Reading only every few steps lets changes pile up between two frames.
            if (step % 3 == 0) {
                ASSERT_TRUE(BlocksAgree(edits.list, edits.boxes)) << "after step " << step;
            }
        }
        EXPECT_GT(most, 8 * kCullBlockSize);
    }
}

// A block whose boxes all hold NaN reaches no view, and a block box reaches every view that a
// box of its block reaches, inverted and infinite boxes too.
TEST(CullBoxList, BlockReachesEveryViewItsBoxesReach) {
    TCullBoxList list;
    for (size_t i = 0; i < kCullBlockSize; ++i) list.Append({kNaN, 0, 1, 1}, TCullKind::Other);
    EXPECT_FALSE(list.Blocks()[0].MayOverlap(-1e30, 1e30, -1e30, 1e30));
    const TCullBox boxes[] = {{10, 0, 5, 1}, {-kInfinity, 3, -1e30f, 4}, {2, 2, 2, 2}};
    for (const TCullBox& box : boxes) list.Append(box, TCullKind::Other);
    const TCullBox block = list.Blocks()[1];
    const struct {
        const char* legend;
        double left, right, bottom, top;
        bool boxReaches, blockReaches;
    } views[] = {
        {"inverted box, wide view", 0, 20, 0, 1, true, true},
        {"between the inverted box's edges", 6, 9, 0, 1, false, false},
        {"reached by the union alone", 3, 4, 3, 4, false, true},
        {"far west", -1e38, -1e31, 3.5, 3.6, true, true},
        {"one point", 2, 2, 2, 2, true, true},
        {"east of all", 20, 30, 0, 1, false, false},
    };
    for (const auto& v : views) {
        SCOPED_TRACE(v.legend);
        bool reached = false;
        for (const TCullBox& box : boxes)
            reached |= box.MayOverlap(v.left, v.right, v.bottom, v.top);
        EXPECT_EQ(reached, v.boxReaches);
        EXPECT_EQ(block.MayOverlap(v.left, v.right, v.bottom, v.top), v.blockReaches);
    }
}

// The store keeps its boxes and their blocks in step with the shapes through adds, deletes,
// reorders, moves, vertex edits and resets.
TEST(CullBoxList, StoreBlocksFollowRandomEdits) {
    for (const unsigned seed : {4u, 5u, 6u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TRandomStoreEdits edits(seed);
        size_t most = 0;
        for (int step = 0; step < 1500; ++step) {
            edits.Step();
            std::vector<TCullBox> boxes;
            for (const auto& shape : edits.store.Shapes()) boxes.push_back(CullBoxOf(*shape));
            most = std::max(most, boxes.size());
            const TCullBoxList& kept = edits.store.CullBoxes();
            for (size_t i = 0; i < boxes.size(); ++i) {
                ASSERT_TRUE(Same(kept[i], boxes[i])) << "step " << step << " position " << i;
                ASSERT_EQ(kept.Kind(i), CullKindOf(*edits.store.Shapes()[i])) << "position " << i;
            }
            ASSERT_TRUE(BlocksAgree(kept, boxes)) << "after step " << step;
            for (size_t b = 0; b < kept.Blocks().size(); ++b) {
                bool text = false;
                for (size_t i = b * kCullBlockSize;
                     i < std::min(boxes.size(), (b + 1) * kCullBlockSize); ++i)
                    text |= kept.Kind(i) == TCullKind::Text;
                ASSERT_EQ(kept.BlockHoldsText(b), text) << "block " << b;
            }
        }
        EXPECT_GT(most, 2 * kCullBlockSize);
    }
}

}  // namespace
