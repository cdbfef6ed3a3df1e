// The main window hands the NTRIP window the GNSS port: from the menu, and at every opening.

#include "navigation/unavigation.h"

#include "devices/OrvaltSerialGPS.h"
#include "devices/uNTRIPSettings.h"
#include "platform/DataFolders.h"
#include "tests/devices/PortFeed.h"
#include "tests/platform/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <QAction>

namespace {

TEST(NtripMenu, ShowsTheWindowWithTheOpenGnssPortAndFollowsItsReopening) {
    InitDayFolderGlobals();
    constexpr int kPort = 3;
    TPseudoTerminal receiver;
    receiver.MapToPort(kPort);
    TFNav window;
    ASSERT_EQ(frmNTRIPSettings, nullptr);
    ASSERT_TRUE(window.OrvaltNTRIPClient1->isEnabled());
    window.ZGPS1->Port = kPort;
    window.ZGPS1->Open();
    const std::string gga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
    ASSERT_TRUE(Deliver(receiver, *window.ZGPS1, gga));

    window.OrvaltNTRIPClient1->trigger();
    ASSERT_NE(frmNTRIPSettings, nullptr) << "created on demand";
    EXPECT_TRUE(frmNTRIPSettings->isVisible());
    EXPECT_EQ(frmNTRIPSettings->boxOutputPort->itemText(0), "COM3 This Port (GPS)");
    EXPECT_EQ(frmNTRIPSettings->Client->OutputHandle(), window.ZGPS1->PortSink());
    EXPECT_EQ(frmNTRIPSettings->edtLatitude->text(), "48.11730000");
    EXPECT_EQ(frmNTRIPSettings->Client->Position().Alt, 545.4);

    window.ZGPS1->Close();  // Stop and Start
    window.ZGPS1->Open();
    EXPECT_EQ(frmNTRIPSettings->Client->OutputHandle(), window.ZGPS1->PortSink());
    EXPECT_TRUE(frmNTRIPSettings->Client->OutputHandle()->IsOpen());
}

}  // namespace
