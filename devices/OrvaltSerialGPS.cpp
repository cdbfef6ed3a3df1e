#include "devices/OrvaltSerialGPS.h"

#include "platform/Clock.h"
#include "platform/NumberFormat.h"
#include "platform/SerialPortTable.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kDefaultPollMs = 50;
constexpr int kDefaultIdleMs = 10000;
constexpr std::size_t kReadChunkBytes = 4096;
constexpr int kRefillWaitMs = 5;
// A run this long without a line feed is noise or a stuck device: keep only its tail.
constexpr std::size_t kRunLimit = 4097;
constexpr std::size_t kRunTail = 2048;

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

TOrvaltSerialGPS::TOrvaltSerialGPS() {
    pollTimer_.setInterval(kDefaultPollMs);
    idleTimer_.setInterval(kDefaultIdleMs);
    QObject::connect(&pollTimer_, &QTimer::timeout, [this] { PollTimerTick(); });
    QObject::connect(&idleTimer_, &QTimer::timeout, [this] { IdleTimerTick(); });
}

TOrvaltSerialGPS::~TOrvaltSerialGPS() {
    pollTimer_.stop();
    idleTimer_.stop();
    OnConnect = nullptr;
    OnDisconnect = nullptr;
    OnIdle = nullptr;
    OnTimeout = nullptr;
    OnNewCommand = nullptr;
    OnSend = nullptr;
    OnPosition3DChange = nullptr;
    OnSpeedChange = nullptr;
    Close();
}

TSerialSettings TOrvaltSerialGPS::LineSettings() const {
    TSerialSettings settings;
    settings.BaudRate = BaudRate;
    settings.ByteSize = DataBits + 4;
    settings.StopBitsCode = StopBits;
    settings.ParityCode = Parity;
    settings.EnableDTR = EnableDTR;
    settings.EnableRTS = EnableRTS;
    return settings;
}

void TOrvaltSerialGPS::Open() {
    if (connected_) return;
    const std::string path = SerialDevicePath(Port);
    if (path.empty() || device_.Open(path, LineSettings()) != TSerialOpenResult::Opened) return;
    connected_ = true;
    openPort_ = Port;
    rxBuffer_.clear();
    dataSeen_ = false;
    if (NmeaLog && !LogFileName.empty()) logFile_ = std::fopen(LogFileName.c_str(), "ab");
    pollTimer_.start(PollInterval > 0 ? PollInterval : kDefaultPollMs);
    idleTimer_.start(IdleInterval > 0 ? IdleInterval : kDefaultIdleMs);
    idleReported_ = false;
    if (OnConnect) OnConnect(this, openPort_);
}

void TOrvaltSerialGPS::Close() {
    pollTimer_.stop();
    idleTimer_.stop();
    if (!connected_) return;
    device_.Close();
    CloseLog();
    connected_ = false;
    ++closeCount_;
    ClearReadings();
    if (OnDisconnect) OnDisconnect(this, openPort_);
}

void TOrvaltSerialGPS::ClearReadings() {
    lat_ = lon_ = alt_ = speed_ = course_ = 0;
    fixQuality_ = satellites_ = 0;
    positionTick_ = 0;
}

void TOrvaltSerialGPS::ForgetPosition() {
    lat_ = lon_ = alt_ = 0;
    fixQuality_ = 0;
    positionTick_ = 0;
}

void TOrvaltSerialGPS::Send(const std::string& text) {
    if (!connected_ || device_.Handle() < 0) return;
    if (device_.Write(text, kGnssPortWriteTimeoutMs) != text.size()) return;
    if (OnSend) OnSend(this, text);
}

void TOrvaltSerialGPS::PollTimerTick() {
    const std::uint64_t closes = closeCount_;
    char chunk[kReadChunkBytes];
    bool lineBufferEmptied = false;
    for (std::size_t taken = 0; taken < kMaxPollBytes;) {
        if (!connected_ || device_.Handle() < 0 || closeCount_ != closes) return;
        int queued = device_.QueuedBytes();
        // Bytes held back behind a full line buffer follow within a moment.
        if (queued == 0 && lineBufferEmptied && device_.WaitReadable(kRefillWaitMs)) {
            queued = device_.QueuedBytes();
        }
        if (queued <= 0) return;
        const std::size_t wanted =
            std::min({static_cast<std::size_t>(queued), sizeof chunk, kMaxPollBytes - taken});
        const long count = device_.Read(chunk, wanted);
        if (count <= 0) return;
        taken += static_cast<std::size_t>(count);
        lineBufferEmptied = count >= kSerialLineBufferBytes;
        ReceiveBytes(std::string_view(chunk, static_cast<std::size_t>(count)));
    }
}

void TOrvaltSerialGPS::ReceiveBytes(std::string_view chunk) {
    const std::size_t start = rxBuffer_.size();
    rxBuffer_.append(chunk);
    // A NUL is line noise on a text port; the bytes after it are still good data.
    if (std::memchr(chunk.data(), '\0', chunk.size())) {
        rxBuffer_.erase(std::remove(rxBuffer_.begin() + start, rxBuffer_.end(), '\0'),
                        rxBuffer_.end());
    }
    dataSeen_ = true;
    idleReported_ = false;
    ProcessBuffer();
}

void TOrvaltSerialGPS::ProcessBuffer() {
    const std::uint64_t closes = closeCount_;
    std::size_t end;
    while ((end = rxBuffer_.find('\n')) != std::string::npos) {
        const std::string line(Trimmed(std::string_view(rxBuffer_).substr(0, end + 1)));
        rxBuffer_.erase(0, end + 1);
        if (line.empty()) continue;
        LogLine(line);
        if (OnNewCommand) OnNewCommand(this, line);
        // A handler that closed the port ends the delivery; what is left waits for no one.
        if (closeCount_ != closes) return;
        if (line.front() == '$') ParseSentence(line);
        if (closeCount_ != closes) return;
    }
    if (rxBuffer_.size() >= kRunLimit) rxBuffer_.erase(0, rxBuffer_.size() - kRunTail);
}

void TOrvaltSerialGPS::IdleTimerTick() {
    if (!connected_) return;
    if (dataSeen_) {
        dataSeen_ = false;
        idleReported_ = false;
        return;
    }
    if (idleReported_) return;
    idleReported_ = true;
    if (OnIdle) OnIdle(this);
}

void TOrvaltSerialGPS::LogLine(const std::string& line) {
    if (!NmeaLog || !logFile_) return;
    std::string record;
    if (LogTimeStamps) {
        record = Now().toString("yyyy-MM-dd HH:mm:ss.zzz ").toStdString();
    }
    record += line;
    record += "\r\n";  // the log is a Windows text file
    std::fputs(record.c_str(), logFile_);
    std::fflush(logFile_);
}

void TOrvaltSerialGPS::CloseLog() {
    if (!logFile_) return;
    std::fclose(logFile_);
    logFile_ = nullptr;
}

std::optional<int> TOrvaltSerialGPS::PortNumberOf(const std::string& text) {
    std::string upper = text;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    std::string_view number = upper;
    if (number.rfind("COM", 0) == 0) number.remove_prefix(3);
    int port = 0;
    if (!TryStrToInt(number, port)) return std::nullopt;
    return port;
}

int TOrvaltSerialGPS::ParsePortNumber(const std::string& text) {
    return std::clamp(PortNumberOf(text).value_or(1), kFirstSerialPort, kLastSerialPort);
}

int TOrvaltSerialGPS::ValidateBaudRate(int rate) {
    static constexpr int kRates[] = {110,   300,   600,   1200,  2400,   4800,
                                     14400, 19200, 38400, 57600, 115200, 230400};
    return std::find(std::begin(kRates), std::end(kRates), rate) != std::end(kRates) ? rate : 9600;
}

std::string TOrvaltSerialGPS::PortName(int port) { return SerialPortName(port); }
