#include "app/StatusReport.h"

#include "app/UMsg.h"
#include "platform/DataFolders.h"
#include "platform/EventLog.h"
#include "platform/Paths.h"
#include "tests/support/GlobalWindow.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

TEST(StatusReport, GoesToTheWindowLastMessageAndTheEventsLog) {
    InitDayFolderGlobals();
    ASSERT_TRUE(CreateDirectories(LogDir));
    {
        TGlobalWindow<TFMsg> window(FMsg);
        ReportStatus("Connected to GPS on COM3", TReportWindow::Keep);
        EXPECT_FALSE(window->isVisible());
        ReportStatus("GPS is idle!");
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->Msg->toPlainText(), "Connected to GPS on COM3\nGPS is idle!");
        EXPECT_EQ(LastMessage, "GPS is idle!");
    }
    const std::string log = ReadFileBytes(EventLogFilePath());
    const auto connected = log.find("\tConnected to GPS on COM3");
    EXPECT_NE(connected, std::string::npos);
    EXPECT_GT(log.find("\tGPS is idle!"), connected);

    ReportStatus("Command sent to device: $PCMD");
    EXPECT_EQ(LastMessage, "Command sent to device: $PCMD") << "no window: still noted";
}

}  // namespace
