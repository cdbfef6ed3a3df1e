#pragma once
// Reading the NTRIP window's log, and connecting the window to a test caster, in tests.

#include "devices/uNTRIPSettings.h"
#include "tests/devices/NtripAnswerSamples.h"
#include "tests/devices/TestCaster.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QTest>

// The log's lines without their "hh:nn:ss " time.
inline QStringList NtripLogLines(const TfrmNTRIPSettings& window) {
    QStringList lines;
    for (const QString& line : window.memoLog->toPlainText().split('\n')) lines << line.mid(9);
    return lines;
}

inline bool NtripLogged(const TfrmNTRIPSettings& window, const QString& text) {
    return NtripLogLines(window).contains(text);
}

// Connects the window to the unscripted caster, as the surveyor does, and accepts the stream
// with the ICY line. Returns the caster's side of the connection, -1 when it did not connect.
inline int ConnectWindowToCaster(TfrmNTRIPSettings& window, TTestCaster& caster) {
    window.edtServer->setText("127.0.0.1");
    window.edtPort->setText(QString::number(caster.Port()));
    window.boxMountpoint->addItem("TEST");
    window.btnConnectClick();
    int stream = -1;
    if (!QTest::qWaitFor([&] { return (stream = caster.Accept(0)) >= 0; })) return -1;
    ReadUntil(stream, "\r\n\r\n");
    if (!SendAll(stream, kIcyAnswer)) return -1;
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.Client->Connected.load(); }));
    return stream;
}
