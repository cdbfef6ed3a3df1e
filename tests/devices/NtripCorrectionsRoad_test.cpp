// Where the corrections go: the GNSS port the main window hands over, or the window's own
// output port, with pseudo-terminals for both and a caster on 127.0.0.1.

#include "devices/OrvaltSerialGPS.h"
#include "devices/uNTRIPSettings.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "tests/devices/NtripClientRecorder.h"
#include "tests/devices/NtripWindowSupport.h"
#include "tests/devices/TestCaster.h"
#include "tests/platform/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

constexpr int kGpsPort = 3;
constexpr int kOutputPort = 5;

class NtripCorrectionsRoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        gnss_.MapToPort(kGpsPort);
        output_.MapToPort(kOutputPort);
        window_ = std::make_unique<TfrmNTRIPSettings>();
        // Counts the bytes the window's own handler has taken, which the worker's counter
        // runs ahead of until the hand-off has run.
        window_->Client->OnDataReceived = [this, handler = window_->Client->OnDataReceived](
                                              TOrvaltNTRIPClient* sender, const char* data,
                                              int length) {
            handler(sender, data, length);
            handled_ += length;
        };
        gps_.Port = kGpsPort;
        gps_.Open();
        ASSERT_TRUE(gps_.Connected());
        window_->AttachGpsPort(gps_.PortSink(), "COM3");  // as the main window does
        stream_ = ConnectWindowToCaster(*window_, caster_);
        ASSERT_GE(stream_, 0);
    }

    // The caster sends a block; returns once the window has handled it.
    std::string Stream(char fill) {
        const std::string block(700, fill);
        sent_ += block.size();
        EXPECT_TRUE(SendAll(stream_, block));
        EXPECT_TRUE(QTest::qWaitFor([&] { return handled_ == sent_; }));
        return block;
    }

    void ChooseOutput(int item) { window_->boxOutputPort->setCurrentIndex(item); }
    int OutputItem() const { return window_->boxOutputPort->findText("COM5"); }
    std::string StoredOutputEnabled() {
        return TIniFile(GetSettingsFilePath()).ReadString("NTRIP", "OutputEnabled", "?");
    }

    TPseudoTerminal gnss_;
    TPseudoTerminal output_;
    TOrvaltSerialGPS gps_;
    TTestCaster caster_;
    std::int64_t handled_ = 0;  // outlives the window, whose last hand-offs may still count
    std::unique_ptr<TfrmNTRIPSettings> window_;
    int stream_ = -1;
    std::int64_t sent_ = 0;
};

TEST_F(NtripCorrectionsRoadTest, AttachedGnssPortGetsTheStreamAndSurvivesAReopening) {
    EXPECT_EQ(window_->boxOutputPort->itemText(0), "COM3 This Port (GPS)");
    EXPECT_TRUE(NtripLogged(*window_, "Serial port handle connected"));
    std::string first = Stream('a');
    first += Stream('b');
    EXPECT_EQ(gnss_.Receive(first.size()), first);

    gps_.Close();  // Stop in mid-stream: the old sink drops what comes
    Stream('c');
    gps_.Open();
    window_->AttachGpsPort(gps_.PortSink(), "COM3");
    const std::string after = Stream('d');
    EXPECT_EQ(gnss_.Receive(after.size() + 1, 300), after);
    EXPECT_EQ(output_.Receive(1, 100), "");
}

TEST_F(NtripCorrectionsRoadTest, OwnOutputPortTakesTheStreamAlone) {
    ASSERT_GT(OutputItem(), 0);
    ChooseOutput(OutputItem());
    window_->chkOutputPort->setChecked(true);
    EXPECT_TRUE(NtripLogged(*window_, "Output port opened: COM5 @ 115200"));
    EXPECT_FALSE(window_->Client->ForwardToOutput);
    EXPECT_EQ(StoredOutputEnabled(), "1");
    std::string expected = Stream('a');

    ChooseOutput(0);  // no effect until the box is ticked again
    expected += Stream('b');
    EXPECT_EQ(output_.Receive(expected.size()), expected);
    EXPECT_EQ(gnss_.Receive(1, 100), "");

    window_->chkOutputPort->setChecked(false);
    EXPECT_TRUE(NtripLogged(*window_, "Output port closed"));
    const std::string back = Stream('c');
    EXPECT_EQ(gnss_.Receive(back.size()), back);
}

TEST_F(NtripCorrectionsRoadTest, BusyOutputPortFallsBackToTheGnssPort) {
    TSerialDevice other;
    ASSERT_EQ(other.Open(output_.SlavePath(), TSerialSettings{}), TSerialOpenResult::Opened);
    ChooseOutput(OutputItem());
    window_->chkOutputPort->setChecked(true);
    EXPECT_TRUE(NtripLogged(*window_, "Failed to open output port: COM5"));
    EXPECT_FALSE(window_->chkOutputPort->isChecked());
    EXPECT_FALSE(window_->OutputEnabled);
    EXPECT_TRUE(window_->Client->ForwardToOutput);
    EXPECT_EQ(StoredOutputEnabled(), "0");
    const std::string block = Stream('a');
    EXPECT_EQ(gnss_.Receive(block.size()), block);
}

}  // namespace
