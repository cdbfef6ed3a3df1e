#pragma once
// A seeded random run of edits on a shape store: adds of every kind (now and then a whole
// survey line of points), deletes of shapes, layers and the selection, layer moves, reorders,
// recolouring, moves and vertex edits, resets. Tests check the store's derived structures
// against plain scans after each step.

#include "canvas/ShapeStore.h"

#include <QString>
#include <random>

// A layer id without a layer record, as the project reader leaves on points of such a layer.
constexpr int kUnlistedLayer = 42;

class TRandomStoreEdits {
public:
    explicit TRandomStoreEdits(unsigned seed);

    void Step();

    TShapeStore store;

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    int AnyLayer();
    QString AnyLayerName();
    int AnyId();
    void Add();
    void AddReserved(double x, double y);
    void AddSurveyLine();
    void Select();
    void Reorder();
    void RecolourLayer();
    void Reshape();

    std::mt19937 random_;
};
