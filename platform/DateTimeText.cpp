#include "platform/DateTimeText.h"

#include <cstdio>

std::string DateToStr(const QDate& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year(), date.month(), date.day());
    return text;
}

std::string TimeToStr(const QTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d%02d%02d%03d", time.hour(), time.minute(), time.second(),
                  time.msec());
    return text;
}

std::string DateTimeToStr(const QDateTime& dateTime) {
    const QTime time = dateTime.time();
    if (time == QTime(0, 0)) return DateToStr(dateTime.date());
    return DateToStr(dateTime.date()) + " " + TimeToStr(time);
}
