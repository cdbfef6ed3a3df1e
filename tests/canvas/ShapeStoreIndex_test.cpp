// The store's indexes against plain scans: a seeded random run of adds, deletes, layer moves,
// selection deletes, reorders and resets, after each step of which every per-layer answer,
// every lookup by id and every layer lookup must equal a walk over the shapes and layers.
#include "canvas/QShapePoint.h"
#include "canvas/ShapeStore.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// A layer id without a layer record, as the project reader leaves on points of such a layer.
constexpr int kUnlistedLayer = 42;

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

class TRandomEdits {
public:
    explicit TRandomEdits(unsigned seed) : random_(seed) {
        for (int i = 0; i < 6; ++i) store.AddLayer(QString("L%1").arg(i));
    }

    void Step() {
        const int choice = Below(100);
        if (choice < 35) return Add();
        if (choice < 45) return store.DeleteShape(AnyId());
        if (choice < 55) return store.SetShapeLayer(AnyId(), AnyLayer());
        if (choice < 62) return Select();
        if (choice < 66) return store.DeleteSelectedShapes();
        if (choice < 71) return Reorder();
        if (choice < 76) return store.ReassignLayer(AnyLayer(), AnyLayer(), Below(4) ? 1 : 0);
        if (choice < 81) return store.DeleteLayerShapes(AnyLayer());
        if (choice < 85) return store.DeleteLayerShapesByName(AnyLayerName());
        if (choice < 92) return RecolourLayer();
        if (choice < 96) return void(store.AddLayer(QString("L%1").arg(Below(12))));
        if (choice < 98) return store.ResetShapeIds();
        store.ClearDrawing();
    }

    // Compares every answer of the indexes with a scan; true when all agree.
    bool IndexesAgree() const {
        EXPECT_EQ(store.ShapeCount(), static_cast<int>(store.Shapes().size()));
        for (const auto& shape : store.Shapes()) {
            EXPECT_EQ(store.FindShape(shape->Id), shape.get()) << "id " << shape->Id;
        }
        EXPECT_EQ(store.FindShape(store.NextShapeId()), nullptr);
        for (int id : store.SelectedIds) EXPECT_NE(Scanned(id), nullptr) << "selected " << id;
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

    TShapeStore store;

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    // Mostly the first few layers, so that one layer holds much of the drawing and others
    // little; now and then a layer without a record, or an id that names none.
    int AnyLayer() {
        if (Below(10) == 0) return Below(2) ? kUnlistedLayer : store.NextLayerId() + 3;
        return std::min(std::geometric_distribution<int>(0.35)(random_), store.NextLayerId());
    }

    QString AnyLayerName() {
        const int layer = AnyLayer();
        const TQLayer* record = store.FindLayer(layer);
        return record ? record->Name : QString("none");
    }

    // An id in the drawing, or now and then one that is not.
    int AnyId() {
        if (store.Shapes().empty() || Below(8) == 0) return Below(store.NextShapeId() + 2);
        return store.Shapes()[static_cast<size_t>(Below(store.ShapeCount()))]->Id;
    }

    const TQShape* Scanned(int id) const {
        for (const auto& shape : store.Shapes()) {
            if (shape->Id == id) return shape.get();
        }
        return nullptr;
    }

    void Add() {
        const double x = Below(1000), y = Below(1000);
        switch (Below(6)) {
            case 0:
                store.AddLine(x, y, x + 1, y, AnyLayer());
                break;
            case 1:
                store.AddPolyline({{x, y}, {x, y + 1}}, AnyLayer(), false);
                break;
            case 2:
                store.AddText(AnyLayer(), "t", x, y, 0);
                break;
            case 3:
                store.AddShape(std::make_unique<TQPoint>(AnyLayer(), x, y));
                break;
            case 4:
                AddReserved(x, y);
                break;
            default:
                store.AddPoint(x, y, AnyLayer());
                break;
        }
    }

    // A shape that took its id while being drawn, added after other shapes.
    void AddReserved(double x, double y) {
        auto point = std::make_unique<TQPoint>(AnyLayer(), x, y);
        point->Id = store.ReserveShapeId();
        store.AddPoint(x, y, AnyLayer());
        store.AddReservedShape(std::move(point));
    }

    void Select() {
        if (Below(4) == 0) return store.SelectLayerShapes(AnyLayer(), true);
        for (int i = Below(4); i >= 0; --i) store.SelectShape(AnyId(), true);
    }

    void Reorder() {
        if (Below(2)) return store.BringToFront(AnyId());
        store.SendToBack(AnyId());
    }

    // Layer pens reach exactly the layer's shapes.
    void RecolourLayer() {
        const int layer = AnyLayer();
        const TColor colour = Below(0xFFFFFF);
        const int width = Below(9);
        std::vector<std::pair<TColor, int>> before;
        for (const auto& shape : store.Shapes())
            before.emplace_back(shape->Color, shape->LineWidth);
        store.SetLayerColor(layer, colour);
        store.SetLayerLineWidth(layer, width);
        const bool listed = store.FindLayer(layer) != nullptr;
        for (size_t i = 0; i < store.Shapes().size(); ++i) {
            const TQShape& shape = *store.Shapes()[i];
            const bool pen = listed && shape.LayerId == layer;
            EXPECT_EQ(shape.Color, pen ? colour : before[i].first) << "id " << shape.Id;
            EXPECT_EQ(shape.LineWidth, pen ? width : before[i].second) << "id " << shape.Id;
        }
    }

    std::mt19937 random_;
};

TEST(ShapeStoreIndex, RandomEditsAgreeWithAPlainScan) {
    for (const unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TRandomEdits edits(seed);
        for (int step = 0; step < 1500; ++step) {
            edits.Step();
            ASSERT_TRUE(edits.IndexesAgree()) << "after step " << step;
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
