#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

namespace {

// Each test starts from empty settings and day folders.
class TFreshRootsListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { UseFreshRoots(); }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    UseFreshRoots();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::UnitTest::GetInstance()->listeners().Append(new TFreshRootsListener);
    return RUN_ALL_TESTS();
}
