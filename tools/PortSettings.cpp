#include "tools/PortSettings.h"

#include "devices/OrvaltSerialGPS.h"
#include "platform/NumberFormat.h"
#include "platform/SerialPortTable.h"
#include "tools/ConversionError.h"

#include <algorithm>
#include <limits>

namespace {

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// The position of the text in the list, compared exactly; -1 when it is not there.
template <std::size_t N>
int PositionIn(const std::array<const char*, N>& list, const std::string& text) {
    const auto found = std::find(list.begin(), list.end(), text);
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

bool ReadInteger(const std::string& text, int& value, std::string& error) {
    if (TryStrToInt(text, value)) return true;
    error = IntegerConversionMessage(QString::fromStdString(text)).toStdString();
    return false;
}

// "True" and "False" in any letter case.
bool ReadBoolean(const std::string& text, bool& value, std::string& error) {
    const QString word = QString::fromStdString(text);
    for (const char* choice : kBooleanList) {
        if (word.compare(choice, Qt::CaseInsensitive) != 0) continue;
        value = choice == kBooleanList[0];
        return true;
    }
    error = Quoted(text) + " is not a valid boolean value";
    return false;
}

bool ApplyPortAndRate(const TPortSetTexts& texts, TOrvaltSerialGPS& port, std::string& error) {
    const auto number = TOrvaltSerialGPS::PortNumberOf(texts.port);
    if (!number || *number < kFirstSerialPort || *number > kLastSerialPort) {
        error = Quoted(texts.port) + " is not a valid port: the ports are COM1 to COM20";
        return false;
    }
    port.Port = *number;
    int rate = 0;
    if (!ReadInteger(texts.baudRate, rate, error)) return false;
    if (TOrvaltSerialGPS::ValidateBaudRate(rate) != rate) {
        error = Quoted(texts.baudRate) + " is not a baud rate the port can run";
        return false;
    }
    port.BaudRate = rate;
    return true;
}

bool ApplyFrame(const TPortSetTexts& texts, TOrvaltSerialGPS& port, std::string& error) {
    const int width = PositionIn(kDataWidthList, texts.dataWidth);
    if (width < 0) {
        error = Quoted(texts.dataWidth) + " is not a valid data width";
        return false;
    }
    port.DataBits = width + 1;
    const int stopBits = PositionIn(kStopBitsList, texts.stopBits);
    if (stopBits < 0) {
        error = Quoted(texts.stopBits) + " is not a valid number of stop bits";
        return false;
    }
    port.StopBits = stopBits + 1;
    port.Parity = 0;
    port.Priority = static_cast<std::uint8_t>(PositionIn(kPriorityList, texts.priority) + 1);
    return true;
}

bool ApplyDelay(const TPortSetTexts& texts, TOrvaltSerialGPS& port, std::string& error) {
    int delay = 0;
    if (!ReadInteger(texts.delay, delay, error)) return false;
    const int longest = LongestPollIntervalMs(port.BaudRate, port.DataBits, port.StopBits);
    if (delay > longest) {
        error = "A delay of " + texts.delay + " ms loses bytes at " + texts.baudRate +
                " baud: at most " + IntToStr(longest) + " ms";
        return false;
    }
    port.PollInterval = delay;
    return true;
}

bool ApplyOptions(const TPortSetTexts& texts, TOrvaltSerialGPS& port, std::string& error) {
    return ApplyDelay(texts, port, error) && ReadBoolean(texts.nmeaLog, port.NmeaLog, error) &&
           ReadBoolean(texts.logTime, port.LogTimeStamps, error) &&
           ReadBoolean(texts.enableDTR, port.EnableDTR, error) &&
           ReadBoolean(texts.enableRTS, port.EnableRTS, error);
}

}  // namespace

int LongestPollIntervalMs(int baudRate, int dataBitsCode, int stopBitsCode) {
    constexpr double kStartBits = 1;
    constexpr double kCodeToDataBits = 4;
    const double stopBits = stopBitsCode == 2 ? 1.5 : stopBitsCode == 3 ? 2 : 1;
    const double bitsPerByte = kStartBits + dataBitsCode + kCodeToDataBits + stopBits;
    const double ms = kMaxPollBytes * bitsPerByte * 1000 / std::max(baudRate, 1);
    return static_cast<int>(std::min(ms, static_cast<double>(std::numeric_limits<int>::max())));
}

std::string SharedPortError(const std::vector<TPortUse>& uses) {
    for (std::size_t i = 0; i < uses.size(); ++i) {
        const auto first = TOrvaltSerialGPS::PortNumberOf(uses[i].port);
        for (std::size_t j = i + 1; first && j < uses.size(); ++j) {
            if (TOrvaltSerialGPS::PortNumberOf(uses[j].port) != first) continue;
            return std::string("The ") + uses[i].device + " and the " + uses[j].device +
                   " are both set to " + TOrvaltSerialGPS::PortName(*first) +
                   "; each device needs a port of its own";
        }
    }
    return {};
}

std::string ApplyPortSettings(const TPortSetTexts& texts, const std::string& logFileName,
                              TOrvaltSerialGPS& port) {
    std::string error;
    if (!ApplyPortAndRate(texts, port, error) || !ApplyFrame(texts, port, error) ||
        !ApplyOptions(texts, port, error)) {
        return error;
    }
    port.LogFileName = logFileName;
    return error;
}
