#pragma once
// The write side of an open serial port, shared with other threads.
//
// The NTRIP worker copies correction bytes to the GNSS port from its own thread while the user
// interface reads from and closes that port. The sink owns the descriptor and closes it under
// its lock, so a write lands on the open port or nowhere: never on a closed descriptor, nor on
// one the system has since handed to another file. A closed sink stays closed; the next open
// of the port makes a new one.

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
    // number written: all of them, fewer on a time-out or an error, 0 once the sink is closed.
    std::size_t Write(std::string_view bytes, int timeoutMs);

    bool IsOpen() const;

    // Waits for a write in progress, then closes the descriptor.
    void Close();

private:
    mutable std::mutex mutex_;
    int fd_;
};
