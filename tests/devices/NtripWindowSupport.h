#pragma once
// Reading the NTRIP window's log in tests.

#include "devices/uNTRIPSettings.h"

#include <QStringList>

// The log's lines without their "hh:nn:ss " time.
inline QStringList NtripLogLines(const TfrmNTRIPSettings& window) {
    QStringList lines;
    for (const QString& line : window.memoLog->toPlainText().split('\n')) lines << line.mid(9);
    return lines;
}

inline bool NtripLogged(const TfrmNTRIPSettings& window, const QString& text) {
    return NtripLogLines(window).contains(text);
}
