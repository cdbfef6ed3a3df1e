#pragma once
// Dates and times as text in the program's fixed formats: date "YYYY-MM-DD", time "hhnnsszzz"
// (hour, minute, second and millisecond, nine digits, no separators).

#include <QDateTime>
#include <string>

std::string DateToStr(const QDate& date);
std::string TimeToStr(const QTime& time);
// Date, a blank and the time; at exactly midnight the date alone.
std::string DateTimeToStr(const QDateTime& dateTime);
