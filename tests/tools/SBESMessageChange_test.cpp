#include "navigation/RealtimeData.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "tools/UGPS.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr const char* kSounder = "SENSOR COMUNICATION SETTINGS";

class SBESMessageTest : public ::testing::Test {
protected:
    void TearDown() override {
        FGPS = nullptr;
        fRealtime = nullptr;
    }

    // The settings window is created after the real-time window here, so that its creation
    // could reach the frames if it applied the format.
    void CreateWindows() {
        realtime_ = std::make_unique<TfRealtime>();
        fRealtime = realtime_.get();
        settings_ = std::make_unique<TFGPS>();
        FGPS = settings_.get();
    }

    // As the surveyor picks an entry: the window reacts to the choice, not to the text being set.
    void Choose(const char* text) {
        settings_->cSBESMessage->setCurrentText(text);
        emit settings_->cSBESMessage->textActivated(text);
    }
    QString Pattern() const { return settings_->eSBESFormat->text(); }
    bool LowFrameShown() const { return !realtime_->DepthFrameLo->isHidden(); }

    std::unique_ptr<TfRealtime> realtime_;
    std::unique_ptr<TFGPS> settings_;
};

TEST_F(SBESMessageTest, ChoosingAFormatSetsItsPatternAndLowFrequencyFrame) {
    CreateWindows();
    Choose("NMEA DBT");
    EXPECT_EQ(Pattern(), "%*6s,%*lf,%*1s,%lf");
    EXPECT_FALSE(LowFrameShown());
    EXPECT_EQ(realtime_->height(), 289);

    Choose("Orvalt XDR H/L");
    EXPECT_EQ(Pattern(), "%*8s,%lf,%*8s,%lf");
    EXPECT_TRUE(LowFrameShown());
    EXPECT_EQ(realtime_->height(), 387);

    Choose("OTHER");
    EXPECT_EQ(Pattern(), "") << "the surveyor types the pattern";
    EXPECT_TRUE(LowFrameShown()) << "the frames stay as they are";

    settings_->eSBESFormat->setText("%*6s,%lf");
    Choose("nmea dpt");
    EXPECT_EQ(Pattern(), "%*6s,%lf") << "a text that names no format changes nothing";
    EXPECT_TRUE(LowFrameShown());

    Choose("ODC HI");
    EXPECT_EQ(Pattern(), "%*42s,%lf");
    EXPECT_FALSE(LowFrameShown());
    EXPECT_EQ(realtime_->height(), 289);
}

TEST_F(SBESMessageTest, StartUpKeepsAStoredOtherPatternAndReplacesOthers) {
    TIniFile ini(GetSettingsFilePath());
    ini.WriteString(kSounder, "cSBESMessage", "OTHER");
    ini.WriteString(kSounder, "eSBESFormat", "%*6s,%lf");
    CreateWindows();
    EXPECT_EQ(Pattern(), "%*6s,%lf") << "creation only loads the texts";
    EXPECT_TRUE(LowFrameShown());
    realtime_->Timer1Timer();
    EXPECT_EQ(Pattern(), "%*6s,%lf");
    Choose("NMEA DPT");
    Choose("OTHER");
    EXPECT_EQ(Pattern(), "") << "chosen by hand it is emptied";

    ini.WriteString(kSounder, "cSBESMessage", "Orvalt XDR HI");
    CreateWindows();
    EXPECT_EQ(Pattern(), "%*6s,%lf");
    realtime_->Timer1Timer();
    EXPECT_EQ(Pattern(), "%*8s,%lf") << "a format with a default pattern takes it at start-up";
    EXPECT_FALSE(LowFrameShown());
}

}  // namespace
