// The echogram window offscreen: its settings read at show and written at close, mended where
// the drawing could not use them; its placement and border colour; the picture it paints
// again; and the frameless window's edge zones, drag and resize.

#include "navigation/uCanvas.h"

#include "canvas/QPainterSurface.h"
#include "navigation/ControlColor.h"
#include "navigation/EdgeZone.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "tests/support/GlobalWindow.h"
#include "tools/unavset.h"

#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

TIniFile Settings() { return TIniFile(GetSettingsFilePath()); }

// Stores the key's text, or removes the key.
void Store(const char* key, const std::optional<const char*>& text) {
    TIniFile ini = Settings();
    if (text) {
        ini.WriteString("ECHOGRAM", key, *text);
    } else {
        ini.DeleteKey("ECHOGRAM", key);
    }
}

TEST(EchogramWindow, SettingsAreReadAtShowMendedAndWrittenBackAtClose) {
    InitDayFolderGlobals();
    TGlobalWindow<TFNav> main(FNav);
    const struct {
        const char* legend;
        std::optional<const char*> dataWidth, interval;
        int usedWidth, usedInterval;
    } cases[] = {
        {"missing keys", std::nullopt, std::nullopt, 50, 100},
        {"hand-written values", "120", "250", 120, 250},
        {"DataWidth 0 would divide by zero", "0", "100", 1, 100},
        {"DataWidth -5", "-5", "100", 1, 100},
        {"DataWidth 201 would run past the memory", "201", "100", 200, 100},
        {"DataWidth 100000", "100000", "100", 200, 100},
        {"DataWidth not a number", "wide", "100", 50, 100},
        {"Interval 0 would spin the timer", "50", "0", 50, 100},
        {"a negative Interval is refused by a timer", "50", "-20", 50, 100},
    };
    {
        Store("DataWidth", "120");
        TfWaterfal hidden;
        hidden.close();
        EXPECT_EQ(Settings().ReadString("ECHOGRAM", "DataWidth", ""), "120")
            << "a window never shown writes nothing over what is stored";
    }
    TfWaterfal window;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        Store("DataWidth", c.dataWidth);
        Store("Interval", c.interval);
        window.show();
        EXPECT_EQ(window.DataWidth, c.usedWidth);
        EXPECT_EQ(window.Interval, c.usedInterval);
        EXPECT_EQ(main->tEchogram->interval(), c.usedInterval);
        window.close();
        EXPECT_EQ(Settings().ReadString("ECHOGRAM", "DataWidth", ""), std::to_string(c.usedWidth));
        EXPECT_EQ(Settings().ReadString("ECHOGRAM", "Interval", ""),
                  std::to_string(c.usedInterval));
    }
}

// The border shows the map's background colour, and so does the client area until the first
// sample; a window painted again shows the same picture.
TEST(EchogramWindow, PlacementBorderAndTheSamePictureAgain) {
    TGlobalWindow<TNavset> navset(Navset);
    navset->fcadColor->SetSelected(0x80FFFF);
    TIniFile ini = Settings();
    for (const auto& [key, value] : {std::pair{"Left", 100}, {"Top", 120}, {"Width", 500}}) {
        ini.WriteInteger("fWaterfal", key, value);
    }
    TGlobalWindow<TfWaterfal> window(fWaterfal);
    EXPECT_EQ(window->size(), QSize(390, 149)) << "client 388 x 147 inside the border";
    EXPECT_EQ(window->ClientRect(), QRect(1, 1, 388, 147));
    EXPECT_TRUE(window->windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                                Qt::Tool));
    window->show();
    EXPECT_EQ(window->geometry(), QRect(100, 120, 500, 149)) << "a missing height keeps its own";
    EXPECT_EQ(ControlColor(&*window), 0x80FFFF);
    const QImage empty = window->grab().toImage();
    EXPECT_EQ(ToTColor(empty.pixelColor(0, 0)), 0x80FFFF);
    EXPECT_EQ(ToTColor(empty.pixelColor(250, 70)), 0x80FFFF) << "no sample yet";

    DrawEchogram(12.5, 0, 50, window->DataWidth);
    const QImage first = window->grab().toImage();
    EXPECT_EQ(ToTColor(first.pixelColor(0, 0)), 0x80FFFF);
    EXPECT_EQ(ToTColor(first.pixelColor(250, 70)), 0xFFF8F0) << "the echogram's background";
    EXPECT_EQ(window->grab().toImage(), first);
    window->hide();
    DrawEchogram(20, 0, 50, window->DataWidth);
    EXPECT_EQ(window->Picture.depth, 12.5) << "no sample while hidden";
}

TEST(EchogramWindow, EdgeZones) {
    constexpr int w = 390, h = 149;
    const struct {
        const char* legend;
        int x, y;
        TEdgeZone zone;
        Qt::CursorShape cursor;
    } cases[] = {
        {"3 pixels from the right edge", w - 3, 70, TEdgeZone::Right, Qt::SizeHorCursor},
        {"6 pixels from the right edge", w - 6, 70, TEdgeZone::Right, Qt::SizeHorCursor},
        {"7 pixels from the right edge", w - 7, 70, TEdgeZone::Inside, Qt::ArrowCursor},
        {"5 pixels from the left edge", 5, 70, TEdgeZone::Left, Qt::SizeHorCursor},
        {"6 pixels from the left edge", 6, 70, TEdgeZone::Inside, Qt::ArrowCursor},
        {"top", 200, 5, TEdgeZone::Top, Qt::SizeVerCursor},
        {"6 below the top", 200, 6, TEdgeZone::Inside, Qt::ArrowCursor},
        {"bottom", 200, h - 6, TEdgeZone::Bottom, Qt::SizeVerCursor},
        {"top-left corner", 0, 0, TEdgeZone::TopLeft, Qt::SizeFDiagCursor},
        {"top-right corner", w - 1, 5, TEdgeZone::TopRight, Qt::SizeBDiagCursor},
        {"bottom-left corner", 5, h - 1, TEdgeZone::BottomLeft, Qt::SizeBDiagCursor},
        {"bottom-right corner", w - 6, h - 6, TEdgeZone::BottomRight, Qt::SizeFDiagCursor},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(EdgeZoneAt(c.x, c.y, w, h), c.zone);
        EXPECT_EQ(CursorOf(c.zone), c.cursor);
    }
}

class EchogramWindowMouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_.StartSystemResize = [this](Qt::Edges edges) {
            resizes_.push_back(edges);
            return systemResizes_;
        };
        TIniFile ini = Settings();
        ini.WriteInteger("fWaterfal", "Left", 200);
        ini.WriteInteger("fWaterfal", "Top", 300);
        window_.show();
    }

    TfWaterfal window_;
    std::vector<Qt::Edges> resizes_;
    bool systemResizes_ = true;
};

TEST_F(EchogramWindowMouseTest, AnEdgeAsksForAResizeAndTheInsideDrags) {
    QTest::mousePress(&window_, Qt::LeftButton, {}, QPoint(387, 70));
    QTest::mouseRelease(&window_, Qt::LeftButton, {}, QPoint(387, 70));
    QTest::mousePress(&window_, Qt::LeftButton, {}, QPoint(2, 146));
    QTest::mouseRelease(&window_, Qt::LeftButton, {}, QPoint(2, 146));
    EXPECT_EQ(resizes_, (std::vector<Qt::Edges>{Qt::RightEdge, Qt::BottomEdge | Qt::LeftEdge}));
    EXPECT_FALSE(window_.Dragging);
    EXPECT_EQ(window_.pos(), QPoint(200, 300));
    EXPECT_FALSE(Settings().ValueExists("fWaterfal", "Width")) << "a resize saves no placement";

    QTest::mouseMove(&window_, QPoint(388, 70));
    EXPECT_EQ(window_.cursor().shape(), Qt::SizeHorCursor);
    QTest::mousePress(&window_, Qt::LeftButton, {}, QPoint(100, 50));
    EXPECT_TRUE(window_.Dragging);
    QTest::mouseMove(&window_, QPoint(130, 70));
    EXPECT_EQ(window_.pos(), QPoint(230, 320)) << "moved by the mouse's travel";
    QTest::mouseMove(&window_, QPoint(90, 50));
    EXPECT_EQ(window_.pos(), QPoint(220, 320)) << "the start point stays under the mouse";
    QTest::mouseRelease(&window_, Qt::LeftButton, {}, QPoint(100, 50));
    EXPECT_FALSE(window_.Dragging);
    EXPECT_EQ(Settings().ReadInteger("fWaterfal", "Left", 0), 220);
    EXPECT_EQ(Settings().ReadInteger("fWaterfal", "Top", 0), 320);
    EXPECT_TRUE(resizes_.size() == 2) << "a drag is no resize";
    QTest::mouseMove(&window_, QPoint(100, 50));
    EXPECT_EQ(window_.cursor().shape(), Qt::ArrowCursor);
}

// Without a window manager the platform refuses the system resize, and the window follows the
// mouse itself, never smaller than its two edge zones.
TEST_F(EchogramWindowMouseTest, ARefusedSystemResizeIsDoneByHand) {
    systemResizes_ = false;
    QTest::mousePress(&window_, Qt::LeftButton, {}, QPoint(387, 70));
    QTest::mouseMove(&window_, QPoint(407, 80));
    QTest::mouseRelease(&window_, Qt::LeftButton, {}, QPoint(407, 80));
    EXPECT_EQ(window_.geometry(), QRect(200, 300, 410, 149));
    QTest::mouseMove(&window_, QPoint(200, 80));
    EXPECT_EQ(window_.geometry(), QRect(200, 300, 410, 149)) << "the release ended it";

    QTest::mousePress(&window_, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseMove(&window_, QPoint(-8, 12));
    QTest::mouseRelease(&window_, Qt::LeftButton, {}, QPoint(-8, 12));
    EXPECT_EQ(window_.geometry(), QRect(190, 310, 420, 139)) << "top-left: the far edges stay";

    QTest::mousePress(&window_, Qt::LeftButton, {}, QPoint(417, 136));
    QTest::mouseMove(&window_, QPoint(-1000, -1000));
    QTest::mouseRelease(&window_, Qt::LeftButton, {}, QPoint(-1000, -1000));
    EXPECT_EQ(window_.geometry(), QRect(190, 310, 13, 13));
    EXPECT_FALSE(window_.Dragging);
}

}  // namespace
