#pragma once
// The NTRIP window's own correction output port, written by a thread of its own.
//
// The user-interface thread hands each received block over and goes on at once; the writer
// thread writes the blocks in order, each within the serial rule of 10 ms per byte plus 50 ms.
// A port slower than the stream (a low rate, a receiver that holds its flow control) then
// holds neither the program nor the corrections' age without bound: the queue keeps at most
// QueueBytes, and a block that does not fit pushes the oldest out, since an RTK engine wants
// the newest corrections. The drops are counted; an overflow period runs from the first drop
// until the writer has caught up and the queue ran empty.

#include "platform/SerialDevice.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

// The bound of a correction write to the output port: 10 ms per byte plus 50 ms.
int CorrectionWriteTimeoutMs(std::size_t bytes);

// What the queue holds by default: half a minute of a busy 2 KB/s stream.
inline constexpr std::size_t kCorrectionQueueBytes = 64 * 1024;

class TCorrectionWriter {
public:
    TCorrectionWriter() = default;
    ~TCorrectionWriter();
    TCorrectionWriter(const TCorrectionWriter&) = delete;
    TCorrectionWriter& operator=(const TCorrectionWriter&) = delete;

    // Closes any port held, then opens the port and starts its writer thread.
    TSerialOpenResult Open(const std::string& path, const TSerialSettings& settings);
    // Discards what is queued, abandons a write in progress and ends the thread, without
    // waiting for the port.
    void Close();
    bool IsOpen() const { return device_.IsOpen(); }

    // Queues a copy of the bytes and returns at once. Returns the number of bytes dropped to
    // make room when this call begins an overflow period, else 0.
    std::size_t Write(std::string_view bytes);
    // Bytes dropped since the port was opened.
    std::uint64_t DroppedBytes() const;

    // The queue's bound, taken at the next Open.
    std::size_t QueueBytes = kCorrectionQueueBytes;

private:
    void Run(std::shared_ptr<TSerialPortSink> sink);
    std::size_t MakeRoom(std::size_t incoming);  // with mutex_ held

    TSerialDevice device_;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::condition_variable queued_;
    std::deque<std::string> blocks_;
    std::size_t queuedBytes_ = 0;
    std::size_t capacity_ = kCorrectionQueueBytes;
    bool stop_ = false;
    bool writerWaiting_ = false;  // a busy writer needs no wake-up for each block
    bool overflowing_ = false;
    std::uint64_t dropped_ = 0;
};
