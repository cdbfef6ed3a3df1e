#pragma once
// One serial port, opened by device path, as a POSIX descriptor in raw mode.
//
// The port is held exclusively (flock; TIOCEXCL would not stop root), reads never wait, and
// every write goes through the port's sink, bounded in time, so that other threads can write
// to the same port safely (see SerialPortSink.h). DTR and RTS are set as asked where the line
// has them; a pseudo-terminal has none, and that is not an error.

#include "platform/SerialLineSettings.h"
#include "platform/SerialPortSink.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// Linux hands a port's received bytes to the reader through a line buffer that shows at most
// this many, and refills it from the driver's buffers a moment (well under a millisecond) after
// a read has emptied it. A read that took this many may therefore be followed by more.
inline constexpr int kSerialLineBufferBytes = 4095;

enum class TSerialOpenResult {
    Opened,
    NotOpened,      // missing, busy, held by another program, or no permission
    NotConfigured,  // not a serial line, or the driver refused the settings
};

class TSerialDevice {
public:
    TSerialDevice();
    ~TSerialDevice();
    TSerialDevice(const TSerialDevice&) = delete;
    TSerialDevice& operator=(const TSerialDevice&) = delete;

    // Closes any port held, then opens and configures `path`, emptying both directions.
    TSerialOpenResult Open(const std::string& path, const TSerialSettings& settings);
    void Close();

    bool IsOpen() const { return fd_ >= 0; }
    // The descriptor, -1 while closed.
    int Handle() const { return fd_; }
    // Why the last Open failed, naming the device; empty after a success.
    const std::string& LastError() const { return lastError_; }

    // Bytes waiting to be read, or -1 when the port cannot tell (closed, or hung up).
    int QueuedBytes() const;
    // Waits up to timeoutMs for bytes to read; true when there are some.
    bool WaitReadable(int timeoutMs) const;
    // Reads what is there, up to `size` bytes, without waiting. Returns the count, or -1.
    long Read(char* buffer, std::size_t size);
    // Writes through the sink within timeoutMs; returns the number of bytes written.
    std::size_t Write(std::string_view bytes, int timeoutMs);

    // The sink of the port as it is open now; it stays valid, and closed, after Close.
    std::shared_ptr<TSerialPortSink> Sink() const { return sink_; }

private:
    TSerialOpenResult Fail(TSerialOpenResult result, const std::string& path, int fd);

    int fd_ = -1;
    std::shared_ptr<TSerialPortSink> sink_;
    std::string lastError_;
};
