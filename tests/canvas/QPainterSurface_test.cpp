#include "canvas/QPainterSurface.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>

namespace {

class QPainterSurfaceTest : public ::testing::Test {
protected:
    QPainterSurfaceTest() : image(100, 100, QImage::Format_RGB32) { image.fill(Qt::white); }

    bool IsWhite(int x, int y) const { return image.pixelColor(x, y) == Qt::white; }

    // Rows (or with `columns`, columns) that hold anything but white.
    std::pair<int, int> InkSpan(bool columns) const {
        int first = 100, last = -1;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 100; ++x) {
                if (IsWhite(x, y)) continue;
                const int at = columns ? x : y;
                first = std::min(first, at);
                last = std::max(last, at);
            }
        }
        return {first, last};
    }

    QImage image;
};

TEST_F(QPainterSurfaceTest, OutlinesLeaveOutTheRightColumnAndBottomRow) {
    {
        QPainter painter(&image);
        TQPainterSurface surface(painter);
        surface.SetPen(kBlack, 1);
        surface.SetBrush(kWhite, bsClear);
        surface.Rectangle(30, 10, 20, 20);  // corners in any order
    }
    EXPECT_EQ(InkSpan(true), std::make_pair(20, 29));
    EXPECT_EQ(InkSpan(false), std::make_pair(10, 19));
    EXPECT_TRUE(IsWhite(25, 15));
}

TEST_F(QPainterSurfaceTest, FillRectCoversExactlyItsCells) {
    {
        QPainter painter(&image);
        TQPainterSurface surface(painter);
        surface.SetBrush(kBlack, bsSolid);
        surface.FillRect(10, 10, 13, 12);
    }
    EXPECT_EQ(InkSpan(true), std::make_pair(10, 12));
    EXPECT_EQ(InkSpan(false), std::make_pair(10, 11));
}

TEST_F(QPainterSurfaceTest, TextHangsBelowItsTopLeftAt96Dpi) {
    // A screen of 192 dpi must not change the size of map texts.
    image.setDotsPerMeterX(7559);
    image.setDotsPerMeterY(7559);
    int height = 0;
    {
        QPainter painter(&image);
        TQPainterSurface surface(painter);
        surface.SetFont("Arial", 10, false, false);
        surface.SetFontColor(kBlack);
        height = surface.TextHeight("W");
        surface.TextOut(20, 30, "W");
    }
    // 10 points at 96 dpi are 13 pixels to the em.
    EXPECT_GE(height, 13);
    EXPECT_LE(height, 17);
    const auto [top, bottom] = InkSpan(false);
    EXPECT_GE(top, 30);
    EXPECT_LT(bottom, 30 + height);
    EXPECT_GE(InkSpan(true).first, 20);
}

TEST(ScreenFontFamily, SubstitutesOnlyMissingWindowsFonts) {
    const QString arial = ScreenFontFamily("Arial");
    EXPECT_EQ(arial, QFontDatabase::hasFamily("Arial") ? "Arial" : "Liberation Sans");
    EXPECT_EQ(ScreenFontFamily("Some Survey Font"), "Some Survey Font");
}

TEST(ToQColor, ReadsRedFromTheLowestByte) {
    EXPECT_EQ(ToQColor(0x800000), QColor(0, 0, 0x80));
    EXPECT_EQ(ToQColor(0x0000FF), QColor(0xFF, 0, 0));
}

}  // namespace
