#pragma once
// The NTRIP client: fetches RTK corrections from a caster for the GNSS receiver.
//
// Each connection runs on its own worker thread (NTRIPWorkerThread.h), which sends the
// request, reads the answer and the correction stream, uploads the vessel's GGA position, and
// copies the corrections to the GNSS port's sink. Every status change, data block, log text
// and source table reaches the owner through the events below, on the user-interface thread,
// while the worker waits. Failures never throw: they become status texts and log lines. A
// timer on the user-interface thread reconnects while AutoReconnect is set: after a dropped
// connection and after a failed attempt alike, up to MaxReconnectAttempts in a row.
//
// Shared with the worker: the status, the connected flag, the counters, the reconnect count
// and the forwarding flag are atomic; the received bytes, the GGA position and the output
// sink sit under one lock and are reached through the functions that take it.

#include "devices/NTRIPWorkerThread.h"
#include "platform/SerialPortSink.h"

#include <QTimer>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

enum TNTRIPStatus : int {
    nsDisconnected = 0,
    nsConnecting = 1,
    nsConnected = 2,  // the caster accepted the stream request
    nsReceiving = 3,  // correction bytes are arriving
    nsError = 4,
};

// The position uploaded in GGA: degrees, north and east positive, and metres.
struct TNtripPosition {
    double Lat = 0;
    double Lon = 0;
    double Alt = 0;
};

// Bytes kept of the most recent stream, for the RTCM report.
inline constexpr std::size_t kReceivedDataBytes = 8192;

class TOrvaltNTRIPClient {
public:
    TOrvaltNTRIPClient();
    // Unbinds the events, then disconnects.
    ~TOrvaltNTRIPClient();
    TOrvaltNTRIPClient(const TOrvaltNTRIPClient&) = delete;
    TOrvaltNTRIPClient& operator=(const TOrvaltNTRIPClient&) = delete;

    // Connection fields; a worker copies them when it is created.
    std::string Host;
    int Port = 2101;
    std::string Username;         // empty: no authorization line
    std::string Password;         // plain text
    std::string MountPoint;       // empty: ask for the source table
    int RequestMode = 0;          // 0 NTRIP 1.0, 1 NTRIP 2.0, anything else a raw TCP stream
    bool ManualPosition = false;  // UpdatePosition is ignored while set
    std::atomic<bool> ForwardToOutput = true;  // copy corrections to OutputHandle()
    std::atomic<int> Status = nsDisconnected;
    std::atomic<bool> Connected = false;          // a stream was accepted and the connection is up
    std::atomic<std::int64_t> BytesReceived = 0;  // stream bytes since the last Connect
    std::atomic<std::int64_t> BytesSent = 0;      // GGA bytes since the last Connect
    std::atomic<int> ReconnectAttempts = 0;  // automatic attempts since the last accepted stream
    int MaxReconnectAttempts = 10;
    bool AutoReconnect = true;
    // The current or last connection; kept after it ends until the next Connect or Disconnect.
    std::unique_ptr<TNTRIPWorkerThread> Worker;
    QTimer ReconnectTimer;                 // 5000 ms, stopped until a connection drops
    int GgaInterval = 10;                  // seconds between GGA uploads; 0 or less: only the first
    std::vector<std::string> MountPoints;  // of the last source table
    int SocketTimeoutMs = 30000;           // connect, and each receive and send

    // Events, on the user-interface thread; the sender comes first.
    std::function<void(TOrvaltNTRIPClient* Sender, int Status, const std::string& Message)>
        OnStatusChange;
    // The bytes are valid only during the call.
    std::function<void(TOrvaltNTRIPClient* Sender, const char* Data, int Length)> OnDataReceived;
    std::function<void(TOrvaltNTRIPClient* Sender, const std::vector<std::string>& MountPoints)>
        OnSourceTable;
    std::function<void(TOrvaltNTRIPClient* Sender, const std::string& Text)> OnLog;

    // Stops any earlier connection (keeping AutoReconnect), then starts a new one.
    void Connect();
    // Ends the connection and turns automatic reconnection off. Runs the worker's last
    // hand-offs while it waits for it, so handlers may run; raises no status change.
    void Disconnect();
    // Asks the caster for its source table; the answer arrives as OnSourceTable.
    void FetchSourceTable();
    // The GNSS port the worker copies corrections to; a closed sink drops them.
    void SetOutputHandle(std::shared_ptr<TSerialPortSink> handle);
    std::shared_ptr<TSerialPortSink> OutputHandle() const;
    // Stores the position unless ManualPosition is set.
    void UpdatePosition(double lat, double lon, double alt);
    // Stores latitude and longitude, keeping the altitude, whatever ManualPosition says.
    void SetLatLon(double lat, double lon);
    TNtripPosition Position() const;
    // A consistent copy of the last kReceivedDataBytes stream bytes, zero bytes included.
    std::string ReceivedData() const;

    // Run by the reconnect timer and by the worker's hand-offs.
    void ReconnectTimerTick();
    void DoStatus(int status, const std::string& message);
    void DoDataReceived(const char* data, int length);
    void ParseSourceTable(const std::string& text);
    void DoLog(const std::string& text);

    // Worker side: keeps the tail of the stream.
    void AppendReceivedData(std::string_view bytes);

private:
    void StopWorker();

    mutable std::mutex mutex_;
    TNtripPosition position_;
    std::string receivedData_;
    std::shared_ptr<TSerialPortSink> outputHandle_;
    bool exhaustionReported_ = false;  // "Max reconnect attempts reached" logged for this worker
};
