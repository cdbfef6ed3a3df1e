#include "canvas/ShapeStore.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class ShapeStoreSelectionTest : public ::testing::Test {
protected:
    ShapeStoreSelectionTest() {
        a = store.AddLayer("a");
        b = store.AddLayer("b");
        for (int i = 0; i < 3; ++i) {
            onA.push_back(store.AddPoint(i, 0, a));
            onB.push_back(store.AddPoint(i, 10, b));
        }
        store.Dirty = false;
    }

    std::vector<int> FlaggedIds() const {
        std::vector<int> ids;
        for (const auto& shape : store.Shapes()) {
            if (shape->Selected) ids.push_back(shape->Id);
        }
        return ids;
    }

    TShapeStore store;
    int a = 0, b = 0;
    std::vector<int> onA, onB;
};

TEST_F(ShapeStoreSelectionTest, AnIdListedTwiceCountsOnceAndLeavesWholly) {
    store.SelectShape(onA[0], true);
    store.SelectShape(onA[0], true);
    EXPECT_EQ(store.GetSelectedIds(), (std::vector<int>{onA[0], onA[0]}));
    EXPECT_EQ(store.GetSelectedCount(), 1);
    store.SelectShape(onB[1], true);
    store.DeselectShape(onA[0]);
    EXPECT_EQ(store.GetSelectedIds(), (std::vector<int>{onB[1]}));
    EXPECT_EQ(FlaggedIds(), (std::vector<int>{onB[1]}));
    EXPECT_TRUE(store.Dirty);
}

TEST_F(ShapeStoreSelectionTest, SelectingWithoutAddReplacesAndAnUnknownIdClears) {
    store.SelectShape(onA[0], true);
    store.SelectShape(onA[1], false);
    EXPECT_EQ(FlaggedIds(), (std::vector<int>{onA[1]}));
    store.SelectShape(999, false);
    EXPECT_TRUE(store.GetSelectedIds().empty());
    EXPECT_EQ(store.GetSelectedCount(), 0);
}

TEST_F(ShapeStoreSelectionTest, LayersSelectAndDeselect) {
    store.SelectShape(onB[0], true);
    store.SelectAll();
    // SelectAll appends to the list as it is.
    EXPECT_EQ(store.GetSelectedIds().size(), 7u);
    store.DeselectLayerShapes(b);
    EXPECT_EQ(store.GetSelectedIds(), onA);
    store.SelectLayerShapes(b, true);
    EXPECT_EQ(store.GetSelectedCount(), 6);
    store.SelectLayerShapes(b, false);
    EXPECT_EQ(FlaggedIds(), onB);
    store.SelectByLayerIds({a});
    EXPECT_EQ(store.GetSelectedIds(), onA);
    store.ClearSelectionWithoutDirty();
    store.Dirty = false;
    store.SelectByLayerIds({});
    EXPECT_EQ(store.GetSelectedCount(), 0);
    EXPECT_TRUE(store.Dirty);
}

TEST_F(ShapeStoreSelectionTest, ClearSelectionHasAFormThatLeavesTheBufferAlone) {
    store.SelectAll();
    store.Dirty = false;
    store.ClearSelectionWithoutDirty();
    EXPECT_FALSE(store.Dirty);
    EXPECT_EQ(store.GetSelectedCount(), 0);
    store.SelectAll();
    store.Dirty = false;
    store.ClearSelection();
    EXPECT_TRUE(store.Dirty);
    EXPECT_TRUE(store.SelectedIds.empty());
}

TEST_F(ShapeStoreSelectionTest, MoveSelectedMovesTheCullBoxesToo) {
    store.SelectShape(onA[2], false);
    store.MoveSelected(100, 50);
    const TQShape& moved = *store.FindShape(onA[2]);
    EXPECT_DOUBLE_EQ(moved.MinX, 2 + 100 - 3);
    EXPECT_DOUBLE_EQ(moved.MinY, 0 + 50 - 3);
    // The frame culls by the box array, so it must follow the shape.
    const TCullBox& box = store.CullBoxes()[4];
    EXPECT_FLOAT_EQ(box.MinX, 99);
    EXPECT_FLOAT_EQ(box.MaxY, 53);
    EXPECT_DOUBLE_EQ(store.FindShape(onA[1])->MinX, 1 - 3);
}

TEST_F(ShapeStoreSelectionTest, DeleteSelectedKeepsTheRestInOrderAndFindable) {
    store.SelectShape(onA[0], true);
    store.SelectShape(onB[1], true);
    store.SelectShape(onA[0], true);
    store.DeleteSelectedShapes();
    EXPECT_EQ(store.ShapeCount(), 4);
    EXPECT_EQ(store.GetAllShapeIds(), (std::vector<int>{onB[0], onA[1], onA[2], onB[2]}));
    for (int id : store.GetAllShapeIds()) EXPECT_EQ(store.FindShape(id)->Id, id);
    EXPECT_EQ(store.FindShape(onA[0]), nullptr);
    EXPECT_TRUE(store.SelectedIds.empty());
    EXPECT_TRUE(store.Dirty);
}

TEST_F(ShapeStoreSelectionTest, DeletingALayerDropsItsIdsFromTheSelection) {
    store.SelectAll();
    store.SelectShape(onB[0], true);
    store.DeleteLayerShapes(b);
    EXPECT_EQ(store.GetSelectedIds(), onA);
}

}  // namespace
