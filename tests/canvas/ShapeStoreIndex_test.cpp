// The store's indexes against plain scans: a seeded random run of adds, deletes, layer moves,
// selection deletes, reorders and resets, after each step of which every per-layer answer,
// every lookup by id and every layer lookup must equal a walk over the shapes and layers.
#include "canvas/ShapeStore.h"
#include "tests/canvas/RandomStoreEdits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<int> ScannedLayerIds(const TShapeStore& store, int layer) {
    std::vector<int> ids;
    for (const auto& shape : store.Shapes()) {
        if (shape->LayerId == layer) ids.push_back(shape->Id);
    }
    return ids;
}

const TQLayer* ScannedLayer(const TShapeStore& store, int id) {
    for (const auto& layer : store.Layers()) {
        if (layer->Id == id) return layer.get();
    }
    return nullptr;
}

int ScannedLayerByName(const TShapeStore& store, const QString& name) {
    for (const auto& layer : store.Layers()) {
        if (layer->Name == name) return layer->Id;
    }
    return -1;
}

const TQShape* ScannedShape(const TShapeStore& store, int id) {
    for (const auto& shape : store.Shapes()) {
        if (shape->Id == id) return shape.get();
    }
    return nullptr;
}

// Compares every answer of the indexes with a scan; true when all agree.
bool IndexesAgree(const TShapeStore& store) {
    EXPECT_EQ(store.ShapeCount(), static_cast<int>(store.Shapes().size()));
    for (const auto& shape : store.Shapes()) {
        EXPECT_EQ(store.FindShape(shape->Id), shape.get()) << "id " << shape->Id;
    }
    EXPECT_EQ(store.FindShape(store.NextShapeId()), nullptr);
    for (int id : store.SelectedIds) {
        EXPECT_NE(ScannedShape(store, id), nullptr) << "selected " << id;
    }
    for (int layer = -1; layer <= store.NextLayerId(); ++layer) {
        EXPECT_EQ(store.GetLayerShapeIds(layer), ScannedLayerIds(store, layer)) << layer;
        EXPECT_EQ(store.FindLayer(layer), ScannedLayer(store, layer)) << layer;
    }
    EXPECT_EQ(store.GetLayerShapeIds(kUnlistedLayer), ScannedLayerIds(store, kUnlistedLayer));
    for (int i = 0; i < 12; ++i) {
        const QString name = QString("L%1").arg(i);
        EXPECT_EQ(store.FindLayerByName(name), ScannedLayerByName(store, name)) << i;
    }
    EXPECT_EQ(store.FindLayerByName("Default"), ScannedLayerByName(store, "Default"));
    return !::testing::Test::HasFailure();
}

TEST(ShapeStoreIndex, RandomEditsAgreeWithAPlainScan) {
    for (const unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TRandomStoreEdits edits(seed);
        for (int step = 0; step < 1500; ++step) {
            edits.Step();
            ASSERT_TRUE(IndexesAgree(edits.store)) << "after step " << step;
        }
    }
}

// The name index compares names as QString does: every code unit, case and all, with no
// Unicode normalisation; a null and an empty name are the same name.
TEST(ShapeStoreIndex, LayerNamesAreFoundOnlyWhenEqualInEveryCodeUnit) {
    TShapeStore store;
    const int fix = store.AddLayer("track_fix");
    const int composed = store.AddLayer(QString::fromUtf8("\xC3\x96l\xC3\xA7\xC3\xBCm"));
    const int dotless = store.AddLayer(QString::fromUtf8("\xC4\xB1"));
    const int empty = store.AddLayer("");
    const struct {
        QString name;
        int expected;
    } cases[] = {
        {"track_fix", fix},
        {"TRACK_FIX", -1},
        {"track_fix ", -1},
        {QString::fromUtf8("\xC3\x96l\xC3\xA7\xC3\xBCm"), composed},
        {QString::fromUtf8("O\xCC\x88lc\xCC\xA7u\xCC\x88m"), -1},  // decomposed
        {QString::fromUtf8("\xC4\xB1"), dotless},
        {"i", -1},
        {QString(), empty},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(store.FindLayerByName(c.name), c.expected);
        EXPECT_EQ(store.FindLayerByName(c.name), ScannedLayerByName(store, c.name));
    }
    EXPECT_EQ(store.AddLayer(QString()), empty) << "found, not made again";
    store.ClearDrawing();
    EXPECT_EQ(store.FindLayerByName("track_fix"), -1);
    EXPECT_EQ(store.AddLayer("track_fix"), 1) << "ids start again after the Default layer";
}

}  // namespace
