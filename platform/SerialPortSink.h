#pragma once
// The write side of an open serial port, shared with other threads.
//
// The NTRIP worker copies correction bytes to the GNSS port from its own thread while the user
// interface reads from and closes that port. The sink owns the descriptor, so a write lands on
// the open port or nowhere: never on a closed descriptor, nor on one the system has since
// handed to another file. Writes from several threads go one after another, each within its
// own time bound, waiting for the one before included.
//
// Close never waits for a stalled port: it wakes a write in progress, which gives up, and the
// descriptor is closed as soon as no write uses it any more (at once, or by that write as it
// leaves a moment later). Bytes still queued in the driver are discarded, since a serial
// line's close would otherwise wait for them to drain. A closed sink stays closed; the next
// open of the port makes a new one.

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string_view>

class TSerialPortSink {
public:
    // Takes ownership of the descriptor; -1 gives a sink that is closed from the start.
    explicit TSerialPortSink(int fd);
    ~TSerialPortSink();
    TSerialPortSink(const TSerialPortSink&) = delete;
    TSerialPortSink& operator=(const TSerialPortSink&) = delete;

    // Writes the bytes, waiting at most timeoutMs in all for the port to take them. Returns the
    // number written: all of them, fewer on a time-out, an error or a Close meanwhile, 0 once
    // the sink is closed.
    std::size_t Write(std::string_view bytes, int timeoutMs);

    bool IsOpen() const;

    // Any thread; returns at once, abandoning a write in progress.
    void Close();

private:
    void ReleaseDescriptor();  // with stateMutex_ held

    // Held only for moments, never during a write, so Close never waits on it.
    mutable std::mutex stateMutex_;
    std::condition_variable writerLeft_;
    int fd_;
    int wakeFd_ = -1;       // readable once the sink is closed
    bool writing_ = false;  // a write uses the descriptor; the next one waits its turn
    std::atomic<bool> closed_ = false;
};
