// The screenshot tick with pictures and encoders of the test's own: it returns while the
// pictures are still being compressed, the files appear whole under their final names, the
// strongest level comes out no larger than Qt's default, and a failure is told once per
// failure period. Then the main window's own tick, with the platform's screen, reporting
// through the message window and the events log and never in a dialog.

#include "navigation/Screenshots.h"

#include "app/UMsg.h"
#include "navigation/ScreenshotNames.h"
#include "navigation/unavigation.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "tests/canvas/RenderedImage.h"
#include "tests/navigation/PngFiles.h"
#include "tests/navigation/RealtimeWindowSet.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/WaitFor.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>
#include <QScreen>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>

namespace {

// Monitors and their pictures as the test sets them.
class TFakeCapture final : public TScreenCapture {
public:
    std::vector<QRect> screens;
    std::vector<QImage> pictures;  // a null one: the platform gave none
    int grabs = 0;

    std::vector<QRect> Screens() override { return screens; }
    QImage Grab(int index) override {
        ++grabs;
        return pictures.at(static_cast<std::size_t>(index));
    }
};

// An encoder that holds every picture while the test keeps it closed (at most 20 s).
class TGate {
public:
    TPngEncoder Encoder() {
        return [this](const QImage& picture, QByteArray& png) {
            std::unique_lock lock(mutex_);
            ++entered_;
            changed_.notify_all();
            changed_.wait_for(lock, std::chrono::seconds(20), [this] { return open_; });
            return EncodeStrongestPng(picture, png);
        };
    }
    // Waits until this many pictures reached the encoder in all.
    bool WaitEntered(int count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(20), [&] { return entered_ >= count; });
    }
    void Set(bool open) {
        const std::lock_guard lock(mutex_);
        open_ = open;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int entered_ = 0;
    bool open_ = false;
};

QImage Filled(int width, int height, QRgb colour) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

class ScreenshotsTest : public ::testing::Test {
protected:
    ScreenshotsTest() { InitDayFolderGlobals(); }

    TScreenshots Make(TPngEncoder encoder) {
        auto capture = std::make_unique<TFakeCapture>();
        capture_ = capture.get();
        return TScreenshots(std::move(capture), std::move(encoder),
                            [this](const QString& text) { reports_.push_back(text); });
    }
    static std::string Folder() { return ScreenshotFolder(); }
    static std::string File(const char* monitor) {
        return Folder() + "QBY 2024-05-17 102030 " + monitor + ".png";
    }

    TTestClock clock_{QDateTime(QDate(2024, 5, 17), QTime(10, 20, 30))};
    TFakeCapture* capture_ = nullptr;
    std::vector<QString> reports_;
};

TEST_F(ScreenshotsTest, TickReturnsWhileTheEncoderWorksAndFilesAppearWhole) {
    TGate gate;
    TScreenshots shots = Make(gate.Encoder());
    capture_->screens = {{0, 0, 64, 48}, {64, 0, 80, 60}};
    capture_->pictures = {Filled(64, 48, 0xff204080), Filled(80, 60, 0xff80ff00)};
    shots.Tick();
    ASSERT_TRUE(gate.WaitEntered(1));
    EXPECT_TRUE(shots.Writing());
    EXPECT_TRUE(PngFiles(Folder()).empty()) << "nothing under a final name while encoding";

    shots.Tick();
    shots.Tick();
    EXPECT_EQ(reports_, std::vector<QString>{"Screenshots skipped: the pictures of the last "
                                             "tick are still being written"})
        << "told once, however many ticks are skipped";
    EXPECT_EQ(capture_->grabs, 2) << "a skipped tick takes no picture";

    gate.Set(true);
    ASSERT_TRUE(WaitFor([&] { return !shots.Writing(); }, 20000));
    EXPECT_EQ(PngFiles(Folder()), (std::vector<std::string>{"QBY 2024-05-17 102030 Left.png",
                                                            "QBY 2024-05-17 102030 Right.png"}))
        << "no temporary file left beside them";
    EXPECT_EQ(QImage(QString::fromStdString(File("Right"))).pixel(5, 5), 0xff80ff00u);
    EXPECT_EQ(ReadPngHeader(File("Left")), (TPngHeader{64, 48, 2}));
    EXPECT_EQ(reports_.size(), 1u);
}

// An interval shorter than the writing skips every other tick for as long as it lasts: that
// is told once, and again only after the writing has kept up with two ticks in a row.
TEST_F(ScreenshotsTest, SkippingIsToldOncePerStretch) {
    TGate gate;
    TScreenshots shots = Make(gate.Encoder());
    capture_->screens = {{0, 0, 16, 16}};
    capture_->pictures = {Filled(16, 16, 0xff102030)};
    int pictures = 0;
    // A tick whose picture the gate holds, then one that finds it still being written.
    const auto slowPair = [&] {
        gate.Set(false);
        shots.Tick();
        ASSERT_TRUE(gate.WaitEntered(++pictures));
        shots.Tick();
        gate.Set(true);
        ASSERT_TRUE(WaitFor([&] { return !shots.Writing(); }, 20000));
    };
    slowPair();
    slowPair();
    slowPair();
    EXPECT_EQ(reports_.size(), 1u) << "one stretch of skipping";
    shots.Tick();
    ++pictures;
    ASSERT_TRUE(WaitFor([&] { return !shots.Writing(); }, 20000));
    slowPair();
    EXPECT_EQ(reports_.size(), 2u) << "the writing kept up in between";
}

// Level 9 costs time to save room; the seam hands over a map as the canvas paints it.
TEST_F(ScreenshotsTest, StrongestLevelIsNoLargerThanQtsDefault) {
    TCanvasModel model;
    const int layer = model.AddLayer("soundings");
    for (int i = 0; i < 3000; ++i) {
        model.AddLine(i % 97 * 7.0, i % 89 * 6.0, i % 83 * 8.0, i % 79 * 7.0, layer);
        model.AddText(layer, QString::number(i % 50 / 10.0, 'f', 1), i % 61 * 11.0, i % 53 * 10.0,
                      0);
    }
    model.ResizeClient(720, 480);
    model.SetView(0, 540, 720, 0);
    const QImage map = Rendered(model, false);

    TScreenshots shots = Make(EncodeStrongestPng);
    capture_->screens = {{0, 0, 720, 480}};
    capture_->pictures = {map};
    shots.Tick();
    ASSERT_TRUE(WaitFor([&] { return !shots.Writing(); }, 60000));

    QByteArray defaultLevel;
    QBuffer buffer(&defaultLevel);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(QImageWriter(&buffer, "png").write(map.convertToFormat(QImage::Format_RGB888)));
    const std::string ours = ReadFileBytes(File("Primary"));
    EXPECT_LE(ours.size(), static_cast<std::size_t>(defaultLevel.size()));
    EXPECT_EQ(ReadPngHeader(File("Primary")), (TPngHeader{720, 480, 2}));
    EXPECT_EQ(QImage::fromData(QByteArray::fromStdString(ours)).convertToFormat(map.format()), map)
        << "lossless";
    EXPECT_TRUE(reports_.empty());
}

// A monitor that gives no picture and one whose file cannot be written leave the third be;
// both are told in the first failing tick and not again while they go on failing.
TEST_F(ScreenshotsTest, EachMonitorStandsAloneAndFailuresAreToldOncePerPeriod) {
    TScreenshots shots = Make(EncodeStrongestPng);
    capture_->screens = {{0, 0, 32, 32}, {32, 0, 32, 32}, {64, 0, 32, 32}};
    capture_->pictures = {QImage(), Filled(32, 32, 0xff000080), Filled(32, 32, 0xff008000)};
    ASSERT_TRUE(CreateDirectories(File("Middle")));  // a folder where the file should go
    const auto tick = [&] {
        shots.Tick();
        ASSERT_TRUE(WaitFor([&] { return !shots.Writing(); }, 20000));
    };
    tick();
    EXPECT_TRUE(FileExists(File("Right")));
    ASSERT_EQ(reports_.size(), 2u);
    EXPECT_EQ(reports_[0], QString::fromStdString("Screenshot not saved: " + File("Left") +
                                                  " (the screen gave no picture)"));
    EXPECT_EQ(reports_[1], QString::fromStdString("Screenshot not saved: " + File("Middle") +
                                                  " (cannot replace the file: Is a directory)"));
    tick();
    tick();
    EXPECT_EQ(reports_.size(), 2u) << "the same failures go on without a word";

    capture_->pictures[0] = Filled(32, 32, 0xff800000);
    std::filesystem::remove(File("Middle"));
    tick();
    EXPECT_EQ(PngFiles(Folder()).size(), 3u);
    EXPECT_EQ(reports_.size(), 2u);
    capture_->pictures[2] = QImage();
    tick();
    EXPECT_EQ(reports_.size(), 3u) << "a whole tick ended the period; a new failure is told";
}

// The main window's tick with the platform's screen (the offscreen one of the tests).
class MainWindowScreenshotTest : public ::testing::Test {
protected:
    TTestClock clock_{QDateTime(QDate(2024, 5, 17), QTime(6, 7, 8))};
    TScriptedDialogs dialogs_;
    TRealtimeWindowSet w_;
    const std::string folder_ = ScreenshotFolder();
    const std::string file_ = folder_ + "QBY 2024-05-17 060708 Primary.png";
};

TEST_F(MainWindowScreenshotTest, TimerWritesThePrimaryMonitor) {
    w_.main.tScreenshot->start(10);
    ASSERT_TRUE(WaitFor([&] { return FileExists(file_); }, 30000));
    w_.main.tScreenshot->stop();
    const QSize size = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(ReadPngHeader(file_), (TPngHeader{static_cast<std::uint32_t>(size.width()),
                                                static_cast<std::uint32_t>(size.height()), 2}));
}

TEST_F(MainWindowScreenshotTest, FileInThePlaceOfTheFolderIsToldOnceNeverInADialog) {
    const std::string blocker = DayDir + "PNG";
    ASSERT_TRUE(WriteFileAtomically(blocker, "not a folder"));
    for (int i = 0; i < 3; ++i) w_.main.tScreenshotTimer();
    const QString report = QString::fromStdString(
        "Screenshot not saved: " + folder_ + " (cannot create the folder: a file is in the way)");
    EXPECT_EQ(w_.messages.Msg->toPlainText(), report);
    EXPECT_TRUE(w_.messages.isVisible());
    EXPECT_EQ(EventsLog().find(report.toStdString()), EventsLog().rfind(report.toStdString()))
        << "one line in the events log";
    EXPECT_NE(EventsLog().find(report.toStdString()), std::string::npos);
    EXPECT_TRUE(dialogs_.messages.empty());

    std::filesystem::remove(blocker);
    w_.main.tScreenshotTimer();
    EXPECT_TRUE(WaitFor([&] { return !w_.main.Screenshots->Writing(); }, 30000));
    EXPECT_TRUE(FileExists(file_));
    EXPECT_EQ(w_.messages.Msg->toPlainText(), report);
}

}  // namespace
