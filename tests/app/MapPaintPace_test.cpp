// The map repaints at the pace of its timer during a survey: a surveyor's start with the
// receiver at 10 Hz and the sounder at 20 Hz through the two ports, the map timer at 200 ms,
// and a depth that crosses the alarm level now and then. Only the alarm's change of background
// may add a paint to the ticks'.

#include "canvas/OrvaltCanvas.h"
#include "devices/NtripRequest.h"
#include "navigation/NavigationState.h"
#include "navigation/unavigation.h"
#include "tests/app/SurveyRun.h"
#include "tests/support/PaintCounter.h"
#include "tests/support/WaitFor.h"
#include "tools/unavset.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <cstdio>

namespace {

std::string Sentence(const std::string& body) {
    return "$" + body + "*" + NmeaChecksum(body) + "\r\n";
}

// Epoch `i` (tenths of a second) of a vessel steaming east at about 4 m/s.
std::string Epoch(int i) {
    char body[96];
    std::snprintf(body, sizeof body,
                  "GPGGA,%02d%02d%02d.%d0,2200.1100,S,%010.5f,W,4,12,0.7,1.0,M,4.6,M,,", 10,
                  i / 600 % 60, i / 10 % 60, i % 10, 1756.3594 - i * 0.000233);
    return Sentence(body);
}

TEST(MapPaintPace, AtMostOnePaintATickPlusOneAnAlarmChange) {
    TSurveyRun run(200);
    Navset->edDepthAlert1->setText("5.0");
    TOrvaltCanvas& map = *FNav->fcad;
    TPaintCounter counter;
    map.installEventFilter(&counter);
    run.SendGnss(Epoch(0));
    ASSERT_TRUE(WaitFor([&] { return run.MapTicks() >= 2; }));

    const int ticksBefore = run.MapTicks();
    const int paintsBefore = counter.paints;
    int alarmChanges = 0;
    TColor background = map.BackgroundColor;
    QElapsedTimer clock;
    clock.start();
    for (int i = 1; i <= 200; ++i) {  // 10 s at 20 Hz
        if (i % 2 == 0) run.SendGnss(Epoch(i / 2));
        // Under the alarm level (5 m true depth) for a second in every three.
        const std::string depth = i % 60 < 20 ? "SDDPT,3.00,0.0" : "SDDPT,8.00,0.0";
        run.SendTelegram("$" + depth + "*" + NmeaChecksum(depth));
        WaitFor([&] { return clock.elapsed() >= i * 50; }, 1000);
        if (map.BackgroundColor != background) {
            background = map.BackgroundColor;
            ++alarmChanges;
        }
    }
    WaitFor([] { return false; }, 100);
    const int ticks = run.MapTicks() - ticksBefore;
    const int paints = counter.paints - paintsBefore;
    map.removeEventFilter(&counter);
    EXPECT_GE(alarmChanges, 4) << "the alarm went on and off";
    EXPECT_GE(ticks, 10) << "the map timer ran";
    EXPECT_LE(paints, ticks + alarmChanges)
        << ticks << " ticks, " << alarmChanges << " alarm changes";
    EXPECT_TRUE(run.Dialogs().messages.empty());
}

}  // namespace
