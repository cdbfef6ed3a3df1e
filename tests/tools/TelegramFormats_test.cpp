#include "tools/TelegramFormats.h"

#include <gtest/gtest.h>

namespace {

using enum TLowFrequencyFrame;

TEST(TelegramFormats, EightFormatsInListOrder) {
    std::vector<std::string_view> names;
    for (const TTelegramFormat& format : TelegramFormats()) names.push_back(format.name);
    EXPECT_EQ(names, (std::vector<std::string_view>{"Orvalt QRD", "NMEA DPT", "NMEA DBT",
                                                    "Orvalt XDR HI", "Orvalt XDR LO",
                                                    "Orvalt XDR H/L", "ODC HI", "OTHER"}));
    EXPECT_EQ(FindTelegramFormat("nmea dpt"), nullptr) << "names are case-sensitive";
    EXPECT_EQ(FindTelegramFormat("NMEA DPT "), nullptr);
}

TEST(TelegramFormats, MarkersAreCaseSensitiveSubstringsAnywhere) {
    const TTelegramFormat& lo = *FindTelegramFormat("Orvalt XDR LO");
    EXPECT_TRUE(HasTelegramMarkers(lo, "XDHI,12.3,XDLO,14.1"));
    EXPECT_FALSE(HasTelegramMarkers(lo, "XDHI,12.3")) << "both markers are needed";
    const TTelegramFormat& dpt = *FindTelegramFormat("NMEA DPT");
    EXPECT_TRUE(HasTelegramMarkers(dpt, "$KIDPT,4674.70,8.62,12000.0*79"));
    EXPECT_FALSE(HasTelegramMarkers(dpt, "$SDdpt,5.3,0.4,*79"));
    EXPECT_TRUE(HasTelegramMarkers(*FindTelegramFormat("OTHER"), "anything"));
}

struct TApplyCase {
    const char* name;
    TFormatApplication application;
    std::optional<std::string> pattern;
    TLowFrequencyFrame frame;
};

TEST(TelegramFormats, ApplyingAFormatSetsItsPatternAndFrame) {
    using enum TFormatApplication;
    const TApplyCase cases[] = {
        {"Orvalt QRD", Chosen, "%*8s,%lf,%lf", Hidden},
        {"NMEA DPT", Chosen, "%*6s,%lf", Hidden},
        {"NMEA DBT", Chosen, "%*6s,%*lf,%*1s,%lf", Hidden},
        {"Orvalt XDR HI", Chosen, "%*8s,%lf", Hidden},
        {"Orvalt XDR LO", Chosen, "%*8s,%*lf,%*8s,%lf", Shown},
        {"Orvalt XDR H/L", Chosen, "%*8s,%lf,%*8s,%lf", Shown},
        {"ODC HI", Chosen, "%*42s,%lf", Hidden},
        {"OTHER", Chosen, "", Unchanged},
        {"nmea dpt", Chosen, std::nullopt, Unchanged},
        {"", Chosen, std::nullopt, Unchanged},
        // At start-up the stored choice replaces a stored pattern with the default, except
        // that a typed "OTHER" pattern is kept.
        {"NMEA DPT", StoredAtStartUp, "%*6s,%lf", Hidden},
        {"Orvalt XDR H/L", StoredAtStartUp, "%*8s,%lf,%*8s,%lf", Shown},
        {"OTHER", StoredAtStartUp, std::nullopt, Unchanged},
    };
    for (const TApplyCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.application == Chosen ? " chosen" : " at start-up"));
        const TFormatChange change = ApplyTelegramFormat(c.name, c.application);
        EXPECT_EQ(change.pattern, c.pattern);
        EXPECT_EQ(change.lowFrequencyFrame, c.frame);
    }
}

}  // namespace
