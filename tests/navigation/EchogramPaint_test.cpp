// The echogram painted into an image of the window's client size, pixels checked: the
// background in a gap, the columns with their red bottom edge, the depth box and the marker
// at the newest depth's row.

#include "navigation/EchogramPaint.h"

#include "canvas/QPainterSurface.h"
#include "navigation/EchogramMemory.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cfloat>
#include <limits>
#include <vector>

namespace {

constexpr int kWidth = 388;
constexpr int kHeight = 147;
constexpr int kCount = 50;

void ClearMemory() {
    std::fill(std::begin(EchoDepths), std::end(EchoDepths), 0.0);
    std::fill(std::begin(EchoRows), std::end(EchoRows), 0.0);
}

// Paints the samples fed, the newest last, into a fresh image.
QImage Painted(const std::vector<double>& depths) {
    ClearMemory();
    TEchogramPicture picture;
    for (const double depth : depths) {
        picture = AddEchoSample(depth, kEchoDefaultLo, kEchoDefaultHi, kCount, kHeight);
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    PaintEchogram(painter, kWidth, kHeight, picture);
    return image;
}

TColor Pixel(const QImage& image, int x, int y) { return ToTColor(image.pixelColor(x, y)); }

// The middle of entry k's column: 388 / 50 = 7.76 pixels wide.
int ColumnMiddle(int k) { return static_cast<int>((k + 0.5) * kWidth / kCount); }

TEST(EchogramPaint, ColumnsGapsAndTheRedBottomEdge) {
    // Entry 10 alone between gaps: 25 m is row 73 of the default 0 to 50 m, so no grid line
    // (rows 0, 58 and 117) and no depth line crosses the pixels looked at.
    std::vector<double> depths(kCount, 0);
    depths[10] = 25;
    depths[kCount - 1] = 30;
    const QImage image = Painted(depths);
    const int x = ColumnMiddle(10);
    EXPECT_EQ(Pixel(image, x, 30), kEchoColumn);
    EXPECT_EQ(Pixel(image, x, 71), kEchoColumn);
    for (int y = 72; y <= 74; ++y) EXPECT_EQ(Pixel(image, x, y), kRed) << y;
    EXPECT_EQ(Pixel(image, x, 76), kEchoBackground) << "below the column";
    EXPECT_EQ(Pixel(image, ColumnMiddle(20), 30), kEchoBackground) << "a gap";
    EXPECT_EQ(Pixel(image, ColumnMiddle(11), 73), kEchoBackground) << "no depth line into a gap";
    int grey = 0;
    for (int grid = 100; grid < 300; ++grid) grey += Pixel(image, grid, 58) == kGray;
    EXPECT_TRUE(grey > 40 && grey < 160) << "the 20 m grid line is dotted: " << grey;
}

TEST(EchogramPaint, DepthBoxAndMarker) {
    const int marker = kWidth - 40;  // over entry 44, a gap
    const struct {
        const char* legend;
        double newest;
        bool marked;
    } cases[] = {
        {"a middle row: marked", 25, true},          // row 73
        {"row 6: marked", 2.1, true},                // 2.1 * 147 / 50 = 6.17
        {"row 5, within 6 of the top", 2.0, false},  // 5.88
        {"row 116, 31 above the bottom", 39.5, true},
        {"row 117, 30 above the bottom", 39.9, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        std::vector<double> depths(kCount, 0);
        depths[kCount - 1] = c.newest;
        const QImage image = Painted(depths);
        const int row = static_cast<int>(EchoRows[kCount - 1]);
        const int below = std::min(row + 1, kHeight - 28);
        EXPECT_EQ(Pixel(image, marker, below) == kBlack, c.marked) << "row " << row;
        EXPECT_EQ(Pixel(image, kWidth - 5, kHeight - 4), kYellow) << "the box is always there";
        EXPECT_EQ(Pixel(image, kWidth - 78, kHeight - 26), kYellow) << "its top-left corner";
        EXPECT_EQ(Pixel(image, kWidth - 79, kHeight - 26), kEchoBackground);
        EXPECT_EQ(Pixel(image, kWidth - 2, kHeight - 2), kEchoBackground)
            << "2 pixels from the edge";
    }
    std::vector<double> deep(kCount, 0);
    deep[kCount - 1] = 9999.9;
    const QImage ocean = Painted(deep);
    for (int y = kHeight - 26; y < kHeight - 2; ++y) {
        for (int x = kWidth - 2; x < kWidth; ++x) {
            // The newest column runs down behind the box to its red edge at the bottom.
            EXPECT_EQ(Pixel(ocean, x, y), kEchoColumn) << "9999.9m stays in its box";
        }
    }
    std::vector<double> gap(kCount, 0);
    gap[0] = 12;
    const QImage image = Painted(gap);
    EXPECT_EQ(Pixel(image, kWidth - 5, kHeight - 4), kEchoBackground) << "no box without a depth";
}

// Depths no sounder sends paint without a sanitizer report: the rows are limited, never cast
// from a value that is not finite.
TEST(EchogramPaint, HostileDepthsPaint) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<std::vector<double>> feeds = {
        {10, 11, 12, inf}, {10, 11, 12, 1e308}, {1e308, 5e307, 1e307, 1e306}, {1, 2, 3, DBL_MAX}};
    for (const auto& depths : feeds) {
        const QImage image = Painted(depths);
        EXPECT_EQ(Pixel(image, 1, kHeight - 1), kEchoBackground);
    }
}

}  // namespace
