#include "tests/app/SurveyPlay.h"

#include "devices/NtripRequest.h"
#include "devices/OrvaltSerialGPS.h"
#include "navigation/CurrentPosition.h"
#include "navigation/NavigationState.h"
#include "navigation/unavigation.h"
#include "platform/NumberFormat.h"
#include "platform/TextFile.h"
#include "tests/support/RecordFields.h"
#include "tests/support/WaitFor.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kEarthRadiusM = 6371000;
constexpr double kMetresPerSecondPerKnot = 1852.0 / 3600;
constexpr std::uint64_t kTelegramMs = 100;
constexpr std::uint64_t kEpochPhaseMs = 450;
constexpr double kDraft = 0.5;
constexpr double kVelocity = 1530;

double Radians(double degrees) { return degrees * M_PI / 180; }

// Fixed-point text with "." whatever the locale, at least `width` characters, zero-padded.
std::string Fixed(double value, int decimals, std::size_t width = 0) {
    std::string text = FloatToStrF(value, 20, decimals);
    if (text.size() < width) text.insert(0, width - text.size(), '0');
    return text;
}

// "ddmm.mmmmmm" or "dddmm.mmmmmm".
std::string NmeaField(double degrees, std::size_t degreeDigits) {
    const double absolute = std::fabs(degrees);
    const int whole = static_cast<int>(absolute);
    return Fixed(whole, 0, degreeDigits) + Fixed((absolute - whole) * 60, 6, 9);
}

double Number(const std::string& text) { return StrToFloatDef(text, NAN); }

std::string Sentence(const std::string& body) { return "$" + body + "*" + NmeaChecksum(body); }

}  // namespace

TSyntheticVessel::TSyntheticVessel(TLatLon start, double courseDeg, double knots)
    : start_(start), courseDeg_(courseDeg), speedMs_(knots * kMetresPerSecondPerKnot) {}

TLatLon TSyntheticVessel::At(double seconds) const {
    const double run = aheadM_ + speedMs_ * seconds;
    const double north = run * std::cos(Radians(courseDeg_));
    const double east = run * std::sin(Radians(courseDeg_));
    return {start_.latitude + north / kEarthRadiusM * 180 / M_PI,
            start_.longitude +
                east / (kEarthRadiusM * std::cos(Radians(start_.latitude))) * 180 / M_PI};
}

std::string TSyntheticVessel::Epoch(double seconds, int quality) const {
    const TLatLon at = At(seconds);
    const int second = static_cast<int>(seconds);
    const std::string time = Fixed(second / 3600 % 24, 0, 2) + Fixed(second / 60 % 60, 0, 2) +
                             Fixed(second % 60, 0, 2) + ".00";
    const std::string position = NmeaField(at.latitude, 2) + (at.latitude < 0 ? ",S," : ",N,") +
                                 NmeaField(at.longitude, 3) + (at.longitude < 0 ? ",W" : ",E");
    const std::string speed =
        Fixed(speedMs_ / kMetresPerSecondPerKnot, 1) + "," + Fixed(courseDeg_, 2);
    return Sentence("INGGA," + time + "," + position + "," + std::to_string(quality) +
                    ",12,0.7,-2.76,M,4.67,M,,") +
           "\r\n" +
           Sentence("INRMC," + time + ",A," + position + "," + speed + ",010814,24.7,W,A") + "\r\n";
}

double NmeaDegrees(const std::string& field, const std::string& hemisphere) {
    const double value = Number(field);
    const double degrees = std::floor(value / 100) + std::fmod(value, 100) / 60;
    return hemisphere == "S" || hemisphere == "W" ? -degrees : degrees;
}

TSurveyPlayer::TSurveyPlayer(TSurveyRun& run, TTestClock& clock, TSyntheticVessel& vessel)
    : run_(run), clock_(clock), vessel_(vessel) {
    telegram = [](int n) { return "$SDDPT," + std::to_string(20 + n % 50) + ".25,0.5"; };
    rawDepth = [](int n) { return 20 + n % 50 + 0.25; };
}

bool TSurveyPlayer::Play(double seconds, bool gnss, bool sounder) {
    const std::uint64_t end = elapsedMs_ + static_cast<std::uint64_t>(seconds * 1000);
    while (elapsedMs_ < end) {
        const std::uint64_t next = (elapsedMs_ / kTelegramMs + 1) * kTelegramMs;
        const bool epochDue = elapsedMs_ % 1000 < kEpochPhaseMs && next % 1000 > kEpochPhaseMs;
        if (gnss && epochDue) {
            const std::uint64_t at = elapsedMs_ / 1000 * 1000 + kEpochPhaseMs;
            clock_.Advance(static_cast<std::int64_t>(at - elapsedMs_));
            elapsedMs_ = at;
            if (!SendEpoch()) return false;
        }
        clock_.Advance(static_cast<std::int64_t>(next - elapsedMs_));
        elapsedMs_ = next;
        if (sounder && !SendTelegram()) return false;
    }
    return true;
}

bool TSurveyPlayer::SendEpoch() {
    const std::string epoch = vessel_.Epoch(static_cast<double>(elapsedMs_) / 1000);
    const std::vector<std::string> f = CommaFields(epoch.substr(0, epoch.find('*')));
    lastGga_ = TLatLon{NmeaDegrees(f[2], f[3]), NmeaDegrees(f[4], f[5])};
    lastGgaMs_ = elapsedMs_;
    const std::uint64_t tick = GetTickCount();
    run_.SendGnss(epoch);
    return WaitFor(
        [&] { return FNav->ZGPS1->GetPositionTick() == std::max<std::uint64_t>(tick, 1); });
}

bool TSurveyPlayer::SendTelegram() {
    const int n = soundings_++;
    const std::uint64_t tick = GetTickCount();
    run_.SendTelegram(telegram(n));
    if (!WaitFor([&] { return LastSensorTick == tick; })) return false;
    if (afterTelegram) afterTelegram();
    const double depth = rawDepth(n);
    if (depth == 0) return true;
    TExpectedRecord record{std::nullopt, grid, depth, lowFrequency};
    if (lastGga_ && elapsedMs_ - lastGgaMs_ <= kCurrentPositionMs) record.position = lastGga_;
    expected_.push_back(record);
    return true;
}

bool TSurveyPlayer::Restart() {
    run_.Stop();
    lastGga_.reset();
    run_.Start();
    return RealtimeRunning;
}

void CheckSurveyFiles(const TSurveyRun& run, const std::vector<TExpectedRecord>& expected) {
    const std::vector<std::string> records = RecordsAfterHeader(run.LogPath());
    ASSERT_EQ(records.size(), expected.size());
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(records[i]);
        const std::vector<std::string> f = CommaFields(records[i]);
        ASSERT_EQ(f.size(), 18u);
        const TExpectedRecord& e = expected[i];
        // The logged depth in its frequency's column, the draft alone in the other's.
        const std::size_t logged = e.lowFrequency ? 8 : 7;
        EXPECT_EQ(f[logged], FloatToStrF(kDraft + e.rawDepth * kVelocity / 1500, 20, 2));
        EXPECT_EQ(f[e.lowFrequency ? 7 : 8], FloatToStrF(kDraft, 20, 2));
        if (!e.position) {
            EXPECT_EQ(f[1] + f[2] + f[3] + f[4], "") << "no current position, and it says so";
            EXPECT_EQ(f[14], "0");
            continue;
        }
        ASSERT_FALSE(f[1].empty() || f[3].empty()) << "a current position is written";
        EXPECT_NEAR(Number(f[1]), e.position->latitude, 1e-9) << "the last GGA's";
        EXPECT_NEAR(Number(f[2]), e.position->longitude, 1e-9);
        EXPECT_EQ(f[14], "1");
        const PJ_COORD xy = e.grid->Forward(proj_torad(Number(f[2])), proj_torad(Number(f[1])));
        EXPECT_NEAR(Number(f[3]), xy.xy.x, 0.006) << "its own Lat/Lon projected";
        EXPECT_NEAR(Number(f[4]), xy.xy.y, 0.006);
        rows.push_back(f[3] + "," + f[4] + "," + f[logged - 2]);
    }
    EXPECT_EQ(RecordsAfterHeader(run.XyzPath()), rows);
}
