// A save that fails or is killed part-way leaves the previous project byte for byte.
#include "canvas/CanvasModel.h"
#include "canvas/ProjectFile.h"
#include "platform/Clock.h"
#include "platform/TextFile.h"
#include "tests/canvas/ProjectTestSupport.h"
#include "tests/canvas/SurveyDrawing.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <csignal>
#include <filesystem>
#include <random>

namespace {

constexpr int kSurveyShapes = 1000000;

std::string OldProject(const std::string& path) {
    TCanvasModel model;
    BuildSurveyDrawing(model, 50, 7);
    std::string reason;
    EXPECT_TRUE(WriteProjectFile(model, path, reason)) << reason;
    return ReadFileBytes(path);
}

bool TemporaryFilesLeft(const std::string& path) {
    const std::filesystem::path file(path);
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(file.filename().string() + ".tmp", 0) == 0) return true;
    }
    return false;
}

TEST(ProjectCrashSafety, FileSizeLimitLeavesTheOldFileWhole) {
    const std::string path = FreshTestPath("limited.smk");
    const std::string old = OldProject(path);
    TCanvasModel bigger;
    BuildSurveyDrawing(bigger, 20000, 3);

    std::string reason;
    bool written = false;
    {
        const TFileSizeLimit limit(old.size() + 64);
        ASSERT_TRUE(limit.Applied());
        written = WriteProjectFile(bigger, path, reason);
    }

    EXPECT_FALSE(written);
    EXPECT_EQ(reason, "cannot write the file: File too large");
    EXPECT_EQ(ReadFileBytes(path), old);
    EXPECT_FALSE(TemporaryFilesLeft(path));
}

// Starts the child saving over path; returns once it has begun the save.
void StartSave(QProcess& child, const std::string& path) {
    child.start(QBY_PROJECT_SAVE_CHILD,
                {QString::fromStdString(path), QString::number(kSurveyShapes)});
    ASSERT_TRUE(child.waitForStarted());
    while (!child.canReadLine()) ASSERT_TRUE(child.waitForReadyRead(120000));
    ASSERT_EQ(child.readLine().trimmed(), "saving");
}

TEST(ProjectCrashSafety, SaveKilledAtRandomMomentsLeavesTheOldOrTheNewFile) {
    const std::string path = FreshTestPath("killed.smk");
    const std::string old = OldProject(path);

    QProcess reference;
    StartSave(reference, path);
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(reference.waitForFinished(300000));
    const qint64 saveMs = timer.elapsed();
    ASSERT_EQ(reference.exitCode(), 0) << reference.readAll().toStdString();
    const std::string fresh = ReadFileBytes(path);
    ASSERT_NE(fresh, old);

    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<qint64> moment(0, saveMs);
    for (int round = 0; round < 5; ++round) {
        ASSERT_TRUE(WriteFileAtomically(path, old));
        QProcess child;
        StartSave(child, path);
        const qint64 delay = moment(random);
        SCOPED_TRACE("killed after " + std::to_string(delay) + " of " + std::to_string(saveMs) +
                     " ms");
        QThread::msleep(static_cast<unsigned long>(delay));
        child.kill();
        ASSERT_TRUE(child.waitForFinished());
        const std::string bytes = ReadFileBytes(path);
        EXPECT_TRUE(bytes == old || bytes == fresh) << "a file of " << bytes.size() << " bytes";
    }

    for (const std::string& bytes : {old, fresh}) {
        ASSERT_TRUE(WriteFileAtomically(path, bytes));
        TCanvasModel loaded;
        std::string reason;
        EXPECT_TRUE(ReadProjectFile(loaded, path, 0, reason)) << reason;
        EXPECT_EQ(loaded.ShapeCount(), bytes == old ? 50 : kSurveyShapes);
    }
}

}  // namespace
