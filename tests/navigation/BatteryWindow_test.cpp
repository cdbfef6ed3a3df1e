// The window "Battery": its frame, the sounder format that keeps it shown, the battery value of a
// QRD telegram through the sounder's port, and the pad keys' commands read from the GNSS port's
// pseudo-terminal.

#include "navigation/uJoystick.h"

#include "app/UMsg.h"
#include "devices/OrvaltSerialGPS.h"
#include "navigation/PadCommand.h"
#include "navigation/unavigation.h"
#include "tests/devices/PortFeed.h"
#include "tests/navigation/RealtimeWindowSet.h"
#include "tests/platform/PseudoTerminal.h"
#include "tests/support/GlobalWindow.h"
#include "tests/support/WaitFor.h"
#include "tools/Bathymetry.h"
#include "tools/UGPS.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QSpontaneKeyEvent>

namespace {

class BatteryWindowTest : public ::testing::Test {
protected:
    BatteryWindowTest() { PadValueA = PadValueB = 1; }

    void Format(const char* name) {
        w_.settings.cSBESMessage->setCurrentText(name);
        w_.settings.cSBESMessageChange();
    }
    void OpenGnssPort() {
        gps_.MapToPort(4);
        w_.main.ZGPS1->Port = 4;
        w_.main.ZGPS1->Open();
        ASSERT_TRUE(w_.main.ZGPS1->Connected());
    }
    int CommandReports() const {
        const QString memo = w_.messages.Msg->toPlainText();
        return static_cast<int>(memo.count("Command sent to device: "));
    }

    TRealtimeWindowSet w_;
    TGlobalWindow<TfJoystick> pad_{fJoystick};
    TPseudoTerminal gps_;
};

TEST_F(BatteryWindowTest, SmallStayOnTopWindowWithoutCloseButton) {
    EXPECT_EQ(pad_->windowTitle(), "Battery");
    EXPECT_TRUE(pad_->isVisible()) << "visible from creation";
    EXPECT_EQ(pad_->size(), QSize(131, 42));
    EXPECT_EQ(pad_->minimumSize(), pad_->maximumSize()) << "a single border, not sizeable";
    const Qt::WindowFlags flags = pad_->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(pad_->pBattery->height(), 41);
    EXPECT_EQ(pad_->pBattery->font().pixelSize(), 13);
    EXPECT_TRUE(pad_->pBattery->font().bold());
    EXPECT_TRUE(pad_->Panel1->isHidden()) << "the pad is never seen";
    EXPECT_EQ(pad_->Timer1->interval(), 1000);
    EXPECT_TRUE(pad_->Timer1->isActive());

    QCloseEvent byTheUser;
    QSpontaneKeyEvent::setSpontaneous(&byTheUser);  // as the window system delivers it
    QCoreApplication::sendEvent(&*pad_, &byTheUser);
    EXPECT_TRUE(pad_->isVisible()) << "a close button the window system draws does nothing";
    pad_->close();
    EXPECT_FALSE(pad_->isVisible()) << "the program itself may close it";
}

TEST_F(BatteryWindowTest, OnlyTheQrdFormatKeepsItShown) {
    const struct {
        const char* legend;
        const char* format;
        bool shown;
    } cases[] = {
        {"the format with a battery value", "Orvalt QRD", true},
        {"NMEA DPT", "NMEA DPT", false},
        {"another of the maker's formats", "Orvalt XDR H/L", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        Format(c.format);
        pad_->show();
        pad_->Timer1Timer();
        EXPECT_EQ(pad_->isVisible(), c.shown);
    }
    Format("NMEA DPT");
    pad_->show();
    EXPECT_TRUE(WaitFor([&] { return !pad_->isVisible(); }, 3000)) << "within a second or so";
    pad_->hide();
    w_.main.show();
    EXPECT_TRUE(pad_->isVisible()) << "the main window's first show shows it";
}

TEST_F(BatteryWindowTest, QrdTelegramThroughTheSounderPortSetsTheBattery) {
    TGlobalWindow<TOffsets> offsets{Offsets};
    offsets->OffsetA->setText("0.50");
    offsets->SV->setText("1500");
    Format("Orvalt QRD");
    TPseudoTerminal sounder;
    sounder.MapToPort(6);
    w_.main.ZSENSOR->Port = 6;
    w_.main.ZSENSOR->Open();
    ASSERT_TRUE(w_.main.ZSENSOR->Connected());
    ASSERT_TRUE(Deliver(sounder, *w_.main.ZSENSOR, "$ORVTQRD,12.34,11.87\r\n"));
    EXPECT_EQ(pad_->pBattery->text(), "11.87");
    w_.main.ZSENSOR->Close();
}

TEST_F(BatteryWindowTest, PadKeysSendTheirCommandsOverTheGnssPort) {
    using TKeys = std::vector<QPushButton * TfJoystick::*>;
    const struct {
        const char* legend;
        TKeys keys;
        std::string sent;
        int reports;  // one per key
    } cases[] = {
        {"right three times: B 1, 2, 3",
         {&TfJoystick::bRight, &TfJoystick::bRight, &TfJoystick::bRight},
         "<B+001>\n<B+002>\n<B+003>\n",
         3},
        {"up sends both new values in one text, then down",
         {&TfJoystick::bUp, &TfJoystick::bBottom},
         "<A+002>\n<B+002>\n<A+001>\n<B+001>\n",
         2},
        {"centre sends zeros and resets to 1, so left sends A 1",
         {&TfJoystick::BitBtn5, &TfJoystick::bLeft},
         "<A+000>\n<B+000>\n<A+001>\n",
         2},
        {"lower-left from the start: 1, 0, -1, -2",
         {&TfJoystick::BitBtn1, &TfJoystick::BitBtn1, &TfJoystick::BitBtn1, &TfJoystick::BitBtn1},
         "<A+001>\n<A+000>\n<A-001>\n<A-002>\n",
         4},
        {"the lower-right key does nothing", {&TfJoystick::BitBtn2}, "", 0},
    };
    OpenGnssPort();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        PadValueA = PadValueB = 1;
        w_.messages.Msg->clear();
        for (QPushButton* TfJoystick::*key : c.keys) ((*pad_).*key)->click();
        EXPECT_EQ(gps_.Receive(c.sent.size(), 2000), c.sent);
        EXPECT_EQ(gps_.Receive(1, 100), "") << "nothing more";
        EXPECT_EQ(CommandReports(), c.reports);
    }
}

TEST_F(BatteryWindowTest, ClosedPortSendsNothingAndNothingFails) {
    for (QPushButton* key :
         {pad_->bUp, pad_->bBottom, pad_->bLeft, pad_->bRight, pad_->BitBtn1, pad_->BitBtn5}) {
        key->click();
    }
    EXPECT_EQ(gps_.Receive(1, 200), "");
    EXPECT_EQ(CommandReports(), 0);
    EXPECT_EQ(w_.messages.Msg->toPlainText(), "");
}

}  // namespace
