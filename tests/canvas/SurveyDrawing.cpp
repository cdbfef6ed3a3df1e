#include "tests/canvas/SurveyDrawing.h"

#include "canvas/CanvasModel.h"
#include "canvas/QShapeText.h"
#include "platform/NumberFormat.h"

#include <random>
#include <vector>

namespace {

const char* const kLayers[] = {"Orvalt Grid",  "track_fix",        "track_nofix",
                               "track_float",  "orvalt_tempshape", "orvalt_usershape",
                               "event_number", "~~Orvalt Vessel",  "Orvalt_Runlines",
                               "Orvalt_Route", "depth labels",     "Harbour Plan"};

}  // namespace

void BuildSurveyDrawing(TCanvasModel& model, int shapeCount, unsigned seed) {
    std::vector<int> layers;
    for (const char* name : kLayers) layers.push_back(model.AddLayer(name));
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> step(-1.5, 1.5);
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<size_t> layerOf(0, layers.size() - 1);
    double x = 500000, y = 4100000;
    for (int i = 0; i < shapeCount; ++i) {
        x += step(random);
        y += step(random);
        const int layer = layers[layerOf(random)];
        switch (kind(random)) {
            case 0:
                model.AddLine(x, y, x + step(random) * 20, y + step(random) * 20, layer);
                break;
            case 1: {
                std::vector<TWorldPoint> points;
                for (int v = 0; v < 10; ++v) points.push_back({x + v * 5.0, y + step(random)});
                model.AddPolyline(points, layer, i % 2 == 0);
                break;
            }
            case 2:
                model.AddText(layer, QString::fromStdString(FormatFixed(10 + step(random), 2)), x,
                              y, 0);
                break;
            case 3:
                model.AddCircle(x, y, 2.5 + step(random), layer);
                break;
            default:
                model.SetShapeColor(model.AddPoint(x, y, layers[1]), 0x00A000);
                break;
        }
    }
}
