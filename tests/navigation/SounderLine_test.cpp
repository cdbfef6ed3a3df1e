// One echo-sounder line without windows: which lines give a depth and a record, which depth a
// low-frequency-only format logs, and what is told once.

#include "navigation/SounderLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using enum TSounderLineOutcome;

constexpr const char* kDpt = "%*6s,%lf";
constexpr const char* kXdrLo = "%*8s,%*lf,%*8s,%lf";

TSounderLineInput Input(const char* format, const char* pattern, const char* line) {
    return {line, format, pattern, "0.5", "5.0", 1500, nullptr};
}

TEST(SounderLine, OutcomesAndRecords) {
    const struct {
        const char* legend;
        TSounderLineInput input;
        TSounderLineOutcome outcome;
        double trueHi, trueLo;
        bool recordDue;
    } cases[] = {
        {"a depth", Input("NMEA DPT", kDpt, "$SDDPT,10.0,0.4,*79"), Depth, 10.5, 0.5, true},
        {"a depth of exactly 0 is shown but not recorded",
         Input("NMEA DPT", kDpt, "$SDDPT,0.0,0.4"), Depth, 0.5, 0.5, false},
        {"a line of another format is ignored", Input("NMEA DPT", kDpt, "$SDDBT,7.7,f,2.3,M,1.3,F"),
         Ignored, 0, 0, false},
        {"a line of no format is ignored", Input("nmea dpt", kDpt, "$SDDPT,10.0,0.4"), Ignored, 0,
         0, false},
        {"the wrong number of values", Input("Orvalt QRD", "%*8s,%lf", "$ORVTQRD,12.34,12.60"),
         NoDepth, 0, 0, false},
        {"XDR LO is recorded by its low depth",
         Input("Orvalt XDR LO", kXdrLo, "$ORVXDHI,8.25,$ORVXDLO,9.10"), Depth, 0.5, 9.6, true},
        {"XDR LO with a low depth of 0", Input("Orvalt XDR LO", kXdrLo, "$ORVXDHI,8.25,$ORVXDLO,0"),
         Depth, 0.5, 0.5, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        TSounderLineReader reader;
        double alarm = 0;
        const TSounderLine line = reader.Read(c.input, alarm);
        EXPECT_EQ(line.outcome, c.outcome);
        EXPECT_DOUBLE_EQ(line.depths.trueDepthHi, c.trueHi);
        EXPECT_DOUBLE_EQ(line.depths.trueDepthLo, c.trueLo);
        EXPECT_EQ(line.RecordDue(), c.recordDue);
        EXPECT_DOUBLE_EQ(alarm, 5.0) << "read on every line, whatever its format";
        EXPECT_TRUE(line.reports.empty());
    }
    TSounderLineReader reader;
    double alarm = 0;
    const TSounderLine xdrLo =
        reader.Read(Input("Orvalt XDR LO", kXdrLo, "$ORVXDHI,8.25,$ORVXDLO,9.10"), alarm);
    EXPECT_DOUBLE_EQ(xdrLo.LoggedTrueDepth(), 9.6);
    EXPECT_DOUBLE_EQ(xdrLo.LoggedRawDepth(), 9.1);
    const TSounderLine qrd =
        reader.Read(Input("Orvalt QRD", "%*8s,%lf,%lf", "$ORVTQRD,12.34,12.60"), alarm);
    EXPECT_EQ(qrd.battery, 12.6);
    EXPECT_DOUBLE_EQ(qrd.LoggedRawDepth(), 12.34);
}

// Each failure is told when it starts, not on every line, and again once it was mended and
// comes back.
TEST(SounderLine, FailuresAreToldOncePerPeriod) {
    TSounderLineReader reader;
    double alarm = 7;
    const auto read = [&](TSounderLineInput input) { return reader.Read(input, alarm); };
    const char* line = "$SDDPT,10.0,0.4,*79";
    const std::vector<std::string> refused = {
        "Echo sounder: the pattern '%s' cannot be read; no depth is recorded"};
    EXPECT_EQ(read(Input("OTHER", "%s", line)).reports, refused);
    EXPECT_EQ(read(Input("OTHER", "%s", line)).outcome, NoDepth);
    EXPECT_TRUE(read(Input("OTHER", "%s", line)).reports.empty());
    EXPECT_EQ(read(Input("OTHER", "%n%lf", line)).reports.size(), 1u) << "another pattern";
    EXPECT_EQ(read(Input("OTHER", "%*6s,%lf", line)).outcome, Depth);
    EXPECT_EQ(read(Input("OTHER", "%s", line)).reports, refused) << "refused again";

    TSounderLineInput stillWater = Input("NMEA DPT", kDpt, line);
    stillWater.soundVelocity = 0;
    const TSounderLine noVelocity = read(stillWater);
    EXPECT_EQ(noVelocity.outcome, NoDepth);
    EXPECT_FALSE(noVelocity.RecordDue());
    EXPECT_EQ(
        noVelocity.reports,
        std::vector<std::string>{"Sound velocity 0 m/s is not positive; no depth is recorded"});
    EXPECT_TRUE(read(stillWater).reports.empty());

    TSounderLineInput typing = Input("NMEA DPT", kDpt, line);
    typing.draftText = "";
    typing.alarmText = "x";
    const TSounderLine unread = read(typing);
    EXPECT_EQ(unread.outcome, NoDepth);
    EXPECT_EQ(
        unread.reports,
        (std::vector<std::string>{
            "Navigation settings: Depth alarm 'x' is not a number; the previous value is kept",
            "Offsets: A '' is not a number; no depth is recorded"}));
    EXPECT_DOUBLE_EQ(alarm, 5.0);
    EXPECT_TRUE(read(typing).reports.empty());
    typing.draftText = "0.75";
    const TSounderLine mended = read(typing);
    EXPECT_EQ(mended.outcome, Depth) << "an unread alarm level does not cost the sounding";
    EXPECT_DOUBLE_EQ(mended.draft, 0.75);
    EXPECT_DOUBLE_EQ(mended.depths.trueDepthHi, 10.75);
}

TEST(SounderLine, ProfileInUse) {
    const std::vector<std::string> lines = {"1400.00", "1410.00", "1420.00"};
    const TProfileLines profile(lines);
    TSounderLineInput input = Input("NMEA DPT", kDpt, "$SDDPT,1.6,0.4");
    input.profile = &profile;
    TSounderLineReader reader;
    double alarm = 0;
    const TSounderLine line = reader.Read(input, alarm);
    ASSERT_EQ(line.outcome, Depth);
    EXPECT_DOUBLE_EQ(line.depths.velocityHi, 1420);
    EXPECT_DOUBLE_EQ(line.depths.trueDepthHi, 0.5 + 1.6 * 1420 / 1500);
    EXPECT_DOUBLE_EQ(line.depths.velocityLo, 1400) << "raw low 0 takes line 0";
}

// A column emptied while the profile is in use keeps every sounding, with the single velocity,
// told once until the profile gives velocities again.
TEST(SounderLine, AProfileGapIsToldOncePerPeriod) {
    std::vector<std::string> lines = {"1400.00", "", "1420.00"};
    const TProfileLines profile(lines);
    TSounderLineReader reader;
    double alarm = 0;
    const auto read = [&](const char* telegram) {
        TSounderLineInput input = Input("NMEA DPT", kDpt, telegram);
        input.profile = &profile;
        return reader.Read(input, alarm);
    };
    const TSounderLine first = read("$SDDPT,1.2,0.4");
    EXPECT_TRUE(first.RecordDue());
    EXPECT_DOUBLE_EQ(first.depths.velocityHi, 1500) << "the single velocity";
    EXPECT_EQ(first.reports,
              std::vector<std::string>{"Sound velocity profile line 1 is empty; depths are reduced "
                                       "with the single sound velocity"});
    lines[2] = "x";
    const TSounderLine second = read("$SDDPT,2.2,0.4");
    EXPECT_TRUE(second.RecordDue());
    EXPECT_TRUE(second.reports.empty()) << "the same period, another line";
    lines[2] = "1420.00";
    EXPECT_TRUE(read("$SDDPT,2.2,0.4").reports.empty());
    EXPECT_EQ(read("$SDDPT,1.0,0.4").reports.size(), 1u) << "a new period";
}

}  // namespace
