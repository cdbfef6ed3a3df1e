#include "app/UMsg.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

TEST(MessageWindow, TimerHidesAndKeepsLinesClickHidesAndClears) {
    TFMsg window;
    window.Msg->appendPlainText("GPS port connected");
    EXPECT_FALSE(window.isVisible()) << "adding lines does not show the window";
    window.show();
    EXPECT_TRUE(window.Timer1->isActive());
    EXPECT_EQ(window.Timer1->interval(), 4000);
    window.Timer1Timer();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_EQ(window.Msg->toPlainText(), "GPS port connected");

    window.show();
    QTest::mouseClick(window.Msg->viewport(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.Msg->toPlainText().isEmpty());
}

TEST(MessageWindow, ShowingAVisibleWindowDoesNotRestartTheCount) {
    TFMsg window;
    window.Timer1->setInterval(200);
    window.show();
    QTest::qWait(120);
    window.show();
    QTest::qWait(140);
    EXPECT_FALSE(window.isVisible()) << "hidden 200 ms after the first show";
}

}  // namespace
