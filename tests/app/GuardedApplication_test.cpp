#include "app/GuardedApplication.h"

#include "app/TerminationWatcher.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QTest>
#include <csignal>
#include <stdexcept>

namespace {

TEST(GuardedApplication, EscapingExceptionIsShownAndTheCallerGoesOn) {
    TScriptedDialogs dialogs;
    EXPECT_FALSE(RunGuarded([]() -> bool { throw std::runtime_error("Port lost"); }));
    EXPECT_FALSE(RunGuarded([]() -> bool { throw 42; }));
    EXPECT_TRUE(RunGuarded([] { return true; }));
    ASSERT_EQ(dialogs.exceptions.size(), 2u);
    EXPECT_EQ(dialogs.exceptions[0], "Port lost");
    EXPECT_EQ(dialogs.exceptions[1], "");
}

TEST(TerminationWatcher, SigtermRunsTheHandlerOnTheEventLoop) {
    int calls = 0;
    TTerminationWatcher watcher([&calls] { ++calls; });
    std::raise(SIGTERM);
    EXPECT_EQ(calls, 0) << "nothing runs inside the signal handler";
    EXPECT_TRUE(QTest::qWaitFor([&calls] { return calls == 1; }, 2000));
}

}  // namespace
