// The x y z grid import against GDAL's XYZ driver (gdalinfo), which reads the same files as a
// raster when they are gridded and refuses them when not; the height ramp; and the reader on
// the lines a surveyor's files hold.

#include "canvas/XyzGrid.h"
#include "canvas/CanvasModel.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapeRectangle.h"
#include "platform/TextFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

// gdalinfo's whole output, errors included; the set-up script installs gdal-bin.
std::string GdalInfo(const std::string& path) {
    QProcess gdal;
    gdal.setProcessChannelMode(QProcess::MergedChannels);
    gdal.start("gdalinfo", {QString::fromStdString(path)});
    EXPECT_TRUE(gdal.waitForStarted()) << "gdalinfo (package gdal-bin) is needed";
    EXPECT_TRUE(gdal.waitForFinished(60000));
    return gdal.readAll().toStdString();
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

// 40 x 30 samples at 5 x 2.5 m, in rows of increasing x, rows of increasing y.
std::vector<TXyzSample> RegularGrid(int columns, int rows) {
    std::vector<TXyzSample> samples;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            samples.push_back({600000 + 5.0 * column, 4100000 + 2.5 * row,
                               -10 - 0.1 * ((row * 7 + column * 3) % 40)});
        }
    }
    return samples;
}

std::vector<TXyzSample> Scattered(int count) {
    std::mt19937 random(28);
    std::uniform_real_distribution<double> x(600000, 601000), y(4100000, 4101000), z(-30, -5);
    std::vector<TXyzSample> samples;
    for (int i = 0; i < count; ++i) samples.push_back({x(random), y(random), z(random)});
    return samples;
}

std::string WriteSamples(const std::vector<TXyzSample>& samples, const std::string& separator,
                         const std::string& name) {
    std::string text;
    for (const TXyzSample& s : samples) {
        text += Number(s.X) + separator + Number(s.Y) + separator + Number(s.Z) + "\n";
    }
    const std::string path = FreshTestPath(name);
    EXPECT_TRUE(WriteFileAtomically(path, text));
    return path;
}

class XyzGridImportTest : public ::testing::Test {
protected:
    void SetUp() override { layer_ = model_.AddLayer("soundings"); }

    template <class Kind>
    const Kind* Shape(int i) const {
        return dynamic_cast<const Kind*>(model_.Shapes().at(i).get());
    }

    TCanvasModel model_;
    int layer_ = -1;
};

TEST_F(XyzGridImportTest, RegularGridAgreesWithGdal) {
    const std::vector<TXyzSample> samples = RegularGrid(40, 30);
    for (const char* separator : {" ", ","}) {
        SCOPED_TRACE(std::string("separated by \"") + separator + "\"");
        const std::string path = WriteSamples(samples, separator, "grid.xyz");
        const std::string gdal = GdalInfo(path);
        EXPECT_NE(gdal.find("Size is 40, 30"), std::string::npos) << gdal;
        EXPECT_NE(gdal.find("Pixel Size = (5.000000000000000,2.500000000000000)"),
                  std::string::npos)
            << gdal;

        const TXyzSamples read = ReadXyzSamples(ReadFileBytes(path));
        const TXyzGridSteps steps = DetectXyzGrid(read.Samples);
        EXPECT_DOUBLE_EQ(steps.Dx, 5);
        EXPECT_DOUBLE_EQ(steps.Dy, 2.5);
        EXPECT_TRUE(steps.IsGrid);

        model_.DeleteLayerShapes(-1);
        ASSERT_TRUE(model_.ImportXYZGrid(QString::fromStdString(path), layer_, 0, 0));
        ASSERT_EQ(model_.ShapeCount(), 1200);
        for (int i = 0; i < 1200; i += 97) {
            const TQRectangle* cell = Shape<TQRectangle>(i);
            ASSERT_NE(cell, nullptr) << "shape " << i;
            EXPECT_NEAR(cell->MaxX - cell->MinX, 5, 1e-6);
            EXPECT_NEAR(cell->MaxY - cell->MinY, 2.5, 1e-6);
            EXPECT_NEAR((cell->MinX + cell->MaxX) / 2, samples[i].X, 1e-6);
            EXPECT_NEAR((cell->MinY + cell->MaxY) / 2, samples[i].Y, 1e-6);
            EXPECT_NEAR(cell->Value, samples[i].Z, 1e-9);
            const TColor ramp = TCanvasModel::HeightRampColor(cell->Value, read.ZLow, read.ZHigh);
            EXPECT_EQ(cell->Color, ramp);
            EXPECT_EQ(cell->FillColor, ramp);
            EXPECT_EQ(cell->BrushStyle, bsSolid);
            EXPECT_EQ(cell->LineWidth, 0);
            EXPECT_EQ(cell->LayerId, layer_);
        }
    }
    EXPECT_LE(model_.ViewLeft, 600000 - 2.5) << "zoomed to the cells";
    EXPECT_GE(model_.ViewRight, 600195 + 2.5);
}

TEST_F(XyzGridImportTest, ScatteredSamplesArePointsWhereGdalRefusesThem) {
    const std::vector<TXyzSample> samples = Scattered(500);
    const std::string path = WriteSamples(samples, " ", "scattered.xyz");
    EXPECT_NE(GdalInfo(path).find("Ungridded dataset"), std::string::npos);

    EXPECT_FALSE(DetectXyzGrid(ReadXyzSamples(ReadFileBytes(path)).Samples).IsGrid);
    ASSERT_TRUE(model_.ImportXYZGrid(QString::fromStdString(path), layer_, 0, 0));
    ASSERT_EQ(model_.ShapeCount(), 500);
    const TQPoint* point = Shape<TQPoint>(123);
    ASSERT_NE(point, nullptr);
    EXPECT_NEAR(point->X, samples[123].X, 1e-3);
    EXPECT_EQ(point->Radius, 1);
    EXPECT_NEAR(point->MaxX - point->MinX, 6, 1e-6) << "the box is +-3 whatever the radius";
    EXPECT_NEAR(point->MaxY - point->MinY, 6, 1e-6);
    EXPECT_EQ(point->LineWidth, 0);
    EXPECT_NEAR(point->Value, samples[123].Z, 1e-3);
}

TEST(XyzGridDetection, ElevenSamplesAreTheFewestForAGrid) {
    const struct {
        const char* legend;
        int count;
        bool grid;
    } cases[] = {
        {"ten samples on a perfect grid are points", 10, false},
        {"eleven samples make a grid", 11, true},
    };
    const std::vector<TXyzSample> grid = RegularGrid(4, 3);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        const std::vector<TXyzSample> samples(grid.begin(), grid.begin() + c.count);
        EXPECT_EQ(DetectXyzGrid(samples).IsGrid, c.grid);
        TCanvasModel model;
        const std::string path = WriteSamples(samples, " ", "few.xyz");
        ASSERT_TRUE(model.ImportXYZGrid(QString::fromStdString(path), 0, 0, 0));
        EXPECT_EQ(model.Shapes().at(0)->ShapeType, c.grid ? stRectangle : stPoint);
    }
}

TEST(HeightRamp, RedToBlueThroughYellowGreenAndCyan) {
    const struct {
        const char* legend;
        double z, low, high;
        TColor color;
    } cases[] = {
        {"a = 0", 0, 0, 1, 0x0000FF},
        {"a = 0.25", 0.25, 0, 1, 0x00FFFF},
        {"a = 0.5", 0.5, 0, 1, 0x00FF00},
        {"a = 0.75", 0.75, 0, 1, 0xFFFF00},
        {"a = 1", 1, 0, 1, 0xFF0000},
        {"a = 0.125: green 127.5 truncated", 0.125, 0, 1, 0x007FFF},
        {"a = 0.375: red 127.5 truncated", 0.375, 0, 1, 0x00FF7F},
        {"a = 0.625: blue 127.5 truncated", 0.625, 0, 1, 0x7FFF00},
        {"a = 0.875: green 127.5 truncated", 0.875, 0, 1, 0xFF7F00},
        {"a range of its own, a = 0.25", 12.5, 10, 20, 0x00FFFF},
        {"below the range clamps to red", -5, 0, 1, 0x0000FF},
        {"above the range clamps to blue", 7, 0, 1, 0xFF0000},
        {"an empty range counts as 1 wide", 10.5, 10, 10, 0x00FF00},
        {"a reversed range counts as 1 wide", 10.5, 10, 5, 0x00FF00},
        {"an infinite range: inf / inf is red, not undefined", 1e308, -1e308, 1e308, 0x0000FF},
        {"a z of nan is red", std::nan(""), 0, 1, 0x0000FF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(TCanvasModel::HeightRampColor(c.z, c.low, c.high), c.color);
    }
}

TEST(HeightRamp, RangeOfTheDataOrTheOneGiven) {
    const struct {
        const char* legend;
        std::string text;
        double zMin, zMax;
        std::vector<TColor> colors;
    } cases[] = {
        {"all z equal with range 0/0: red", "1 1 7\n2 1 7\n", 0, 0, {0x0000FF, 0x0000FF}},
        {"range 0/0 takes the data's",
         "1 1 2\n2 1 4\n3 1 3\n",
         0,
         0,
         {0x0000FF, 0xFF0000, 0x00FF00}},
        {"a range narrower than the data clamps",
         "1 1 -50\n2 1 50\n3 1 0\n",
         -1,
         1,
         {0x0000FF, 0xFF0000, 0x00FF00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        const std::string path = FreshTestPath("ramp.xyz");
        ASSERT_TRUE(WriteFileAtomically(path, c.text));
        TCanvasModel model;
        ASSERT_TRUE(model.ImportXYZGrid(QString::fromStdString(path), 0, c.zMin, c.zMax));
        std::vector<TColor> colors;
        for (const auto& shape : model.Shapes()) colors.push_back(shape->Color);
        EXPECT_EQ(colors, c.colors);
    }
}

TEST(XyzReading, OnlyLinesOfThreeFiniteNumbersAreSamples) {
    const struct {
        const char* legend;
        std::string text;
        std::size_t samples;
    } cases[] = {
        {"comments and blank lines", "# x y z\n; exported\n\n1 2 3\r\n\r\n", 1},
        {"a line of two numbers", "1 2\n1 2 3\n", 1},
        {"commas, blanks or both", "1,2,3\n1, 2, 3\n1 ,2 ,3\n1\t2\t3\n", 4},
        {"a comment sign after blanks is no comment, but no number either", "  # 1 2 3\n", 0},
        {"nan", "nan 2 3\n1 nan 3\n1 2 nan\n", 0},
        {"inf", "inf 2 3\n1 -inf 3\n1 2 infinity\n", 0},
        {"beyond a double", "1e999 2 3\n1 2 -1e999\n", 0},
        {"a header line", "Easting,Northing,Elevation\n5 6 7\n", 1},
        {"trailing text after three numbers", "1 2 3 4 m\n", 1},
        {"no line break at the end", "1 2 3", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(ReadXyzSamples(c.text).Samples.size(), c.samples);
    }
}

// The extremes of a double reach every sum of the import: steps, cell corners, the ramp.
TEST(XyzReading, ExtremeValuesImportWithoutUndefinedArithmetic) {
    const std::string path = FreshTestPath("extreme.xyz");
    std::string text;
    for (int i = 0; i < 12; ++i) {
        const char* sign = i % 2 ? "-" : "";
        text += std::string(sign) + "1e308 " + sign + "1e308 " + sign + "1e308\n";
        text += std::to_string(i) + " 0 -1e308\n";
    }
    ASSERT_TRUE(WriteFileAtomically(path, text));
    TCanvasModel model;
    EXPECT_TRUE(model.ImportXYZGrid(QString::fromStdString(path), 0, 0, 0));
    EXPECT_EQ(model.ShapeCount(), 24);
}

TEST(XyzReading, FileWithoutSamplesChangesNothing) {
    TCanvasModel model;
    const int layer = model.AddLayer("kept");
    model.AddPoint(1, 1, layer);
    model.SetView(0, 100, 100, 0);
    const double left = model.ViewLeft, right = model.ViewRight;
    const std::string empty = FreshTestPath("empty.xyz");
    ASSERT_TRUE(WriteFileAtomically(empty, "# nothing but a header\nx y z\n"));
    for (const std::string& path : {empty, FreshTestPath("missing.xyz")}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(model.ImportXYZGrid(QString::fromStdString(path), 7, 0, 0));
        EXPECT_EQ(model.ShapeCount(), 1);
        EXPECT_EQ(model.Layers().size(), 2u) << "no layer made for nothing";
        EXPECT_EQ(model.ViewLeft, left);
        EXPECT_EQ(model.ViewRight, right);
    }
}

}  // namespace
