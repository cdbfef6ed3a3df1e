#include "tools/ConversionError.h"

#include "platform/Dialogs.h"
#include "platform/NumberFormat.h"

QString IntegerConversionMessage(const QString& text) {
    return "'" + text + "' is not a valid integer value";
}

bool ReadIntegerOrReport(const QString& text, int& value) {
    if (TryStrToInt(text, value)) return true;
    ShowException(IntegerConversionMessage(text));
    return false;
}
