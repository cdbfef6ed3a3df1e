#include "canvas/MapPicture.h"

#include "canvas/MapOverlays.h"
#include "tests/canvas/RenderedImage.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <random>

namespace {

// A map as a survey leaves it, and the steps a survey day takes on it; the picture kept from
// step to step must show what a picture drawn afresh shows.
class TSurveyMap {
public:
    explicit TSurveyMap(unsigned seed) : random_(seed) {
        model.ResizeClient(400, 300);
        model.SetView(0, 300, 400, 0);
        model.GridVisible = true;
        marks_ = model.AddLayer("marks");
        track_ = model.AddLayer("track");
        vessel_ = model.AddLayer("vessel");
        model.LiveLayer = vessel_;
        model.SetLayerColor(marks_, 0x404040);
        model.AddPolyline({{-200, -50}, {300, 120}, {700, 80}}, marks_, false);
        model.AddText(marks_, "Quay", 120, 250, 0);
        model.AddRectangle(300, 50, 320, 280, marks_);
        for (int i = 0; i < 2000; ++i) AppendTrack();
    }

    void Step() {
        switch (Below(8)) {
            case 0:
                return Pan();
            case 1:
                return AppendTrack();
            case 2:
                return DrawVessel();
            case 3:
                return model.AddSounding(x_, y_, Below(400) / 10.0);
            case 4:
                return model.AddNumberLabel(x_, y_, ++events_);
            case 5:
                return ChangeStyle();
            case 6:
                return Zoom();
            default:
                Pan(), AppendTrack(), DrawVessel();  // a map tick
        }
    }

    TCanvasModel model;

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    double Uniform(double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(random_);
    }

    void Pan() {
        const double scale = model.GetViewWidth() / model.ClientWidth();
        const double pixels[] = {0.3, 0.8, 3, 40, 300, 900};
        const double step = pixels[Below(6)] * scale;
        model.Pan(Uniform(-step, step), Uniform(-step, step));
    }

    // Survey lines 10 m apart, stepped along in 1.6 m, as points and as segments between them.
    void AppendTrack() {
        const double x = x_ + 1.6 * direction_;
        if (x < -100 || x > 500) {
            direction_ = -direction_;
            y_ += 10;
            return;
        }
        if (Below(3) == 0) {
            model.AddLine(x_, y_, x, y_ + Uniform(-0.5, 0.5), track_);
        } else {
            model.AddPoint(x, y_, track_);
        }
        x_ = x;
    }

    void DrawVessel() {
        model.DeleteLayerShapes(vessel_);
        model.AddLine(x_ - 5, y_ - 5, x_ + 5, y_ + 5, vessel_);
        model.AddCircle(x_, y_, 8, vessel_);
    }

    void ChangeStyle() {
        const TColor colours[] = {0x0000FF, 0x00A000, 0xFF0000};
        switch (Below(4)) {
            case 0:
                return model.SetLayerColor(track_, colours[Below(3)]);
            case 1:
                return model.SetSoundingStyle(true, 1, "Arial", 8 + Below(6), colours[Below(3)]);
            case 2:
                model.GridOnTop = 1 - model.GridOnTop;
                return model.Redraw();
            default:
                return model.SetBackgroundColor(Below(2) ? 0xFFFFFF : 0xE0E0E0);
        }
    }

    void Zoom() {
        const double centreX = (model.ViewLeft + model.ViewRight) / 2;
        const double centreY = (model.ViewTop + model.ViewBottom) / 2;
        model.ZoomAt(Below(2) ? 1.25 : 0.8, centreX, centreY);
    }

    std::mt19937 random_;
    int marks_ = 0, track_ = 0, vessel_ = 0, events_ = 0;
    double x_ = 0, y_ = 20, direction_ = 1;
};

QImage PaintedFrom(const TCanvasModel& model, const TMapPicture& picture) {
    QImage image(model.ClientWidth(), model.ClientHeight(), QImage::Format_RGB32);
    QPainter painter(&image);
    PaintMapFrame(model, picture, painter);
    return image;
}

TEST(MapPicture, KeptPictureEqualsOneDrawnAfresh) {
    for (const unsigned seed : {1u, 2u}) {
        SCOPED_TRACE(seed);
        TSurveyMap map(seed);
        TMapPicture kept;
        for (int step = 0; step < 80; ++step) {
            map.Step();
            kept.Update(map.model);
            map.model.Dirty = false;
            ASSERT_TRUE(PaintedFrom(map.model, kept) == Rendered(map.model, true))
                << "step " << step;
        }
    }
}

}  // namespace
