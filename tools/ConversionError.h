#pragma once
// A handler that reads an edit as a whole number and finds something else there ends with the
// class library's conversion message, shown as the application shows an escaped error; the
// canvas, the timers and the other settings keep their previous values.

#include <QString>

// "'<text>' is not a valid integer value".
QString IntegerConversionMessage(const QString& text);

// Reads the text as a whole number into value; when it is not one, shows the conversion message
// and returns false.
bool ReadIntegerOrReport(const QString& text, int& value);
