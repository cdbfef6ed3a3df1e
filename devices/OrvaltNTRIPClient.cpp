#include "devices/OrvaltNTRIPClient.h"

#include "devices/NtripAnswer.h"
#include "platform/NumberFormat.h"

namespace {
constexpr int kReconnectIntervalMs = 5000;
}  // namespace

TOrvaltNTRIPClient::TOrvaltNTRIPClient() {
    ReconnectTimer.setInterval(kReconnectIntervalMs);
    QObject::connect(&ReconnectTimer, &QTimer::timeout, [this] { ReconnectTimerTick(); });
}

TOrvaltNTRIPClient::~TOrvaltNTRIPClient() {
    OnStatusChange = nullptr;
    OnDataReceived = nullptr;
    OnSourceTable = nullptr;
    OnLog = nullptr;
    Disconnect();
}

void TOrvaltNTRIPClient::Connect() {
    if (Connected || Worker) StopWorker();
    if (Host.empty()) {
        DoLog("Error: Caster address is empty");
        return;
    }
    BytesReceived = 0;
    BytesSent = 0;
    ReconnectTimer.stop();
    DoLog("Connecting to " + Host + ":" + IntToStr(Port));
    exhaustionReported_ = false;
    Worker = std::make_unique<TNTRIPWorkerThread>(this, RequestMode);
    Worker->Start();
}

void TOrvaltNTRIPClient::Disconnect() {
    AutoReconnect = false;
    StopWorker();
}

// The worker leaves Worker before it is stopped, so a handler that runs meanwhile and
// connects again cannot reach the one being stopped.
void TOrvaltNTRIPClient::StopWorker() {
    ReconnectTimer.stop();
    if (const std::unique_ptr<TNTRIPWorkerThread> worker = std::move(Worker)) worker->Stop();
    Connected = false;
    Status = nsDisconnected;
    DoLog("Disconnected");
}

void TOrvaltNTRIPClient::FetchSourceTable() {
    MountPoint.clear();
    AutoReconnect = false;
    Connect();
}

void TOrvaltNTRIPClient::SetOutputHandle(std::shared_ptr<TSerialPortSink> handle) {
    {
        std::lock_guard lock(mutex_);
        outputHandle_ = std::move(handle);
    }
    DoLog("Serial port handle set");
}

std::shared_ptr<TSerialPortSink> TOrvaltNTRIPClient::OutputHandle() const {
    std::lock_guard lock(mutex_);
    return outputHandle_;
}

void TOrvaltNTRIPClient::UpdatePosition(double lat, double lon, double alt) {
    if (ManualPosition) return;
    std::lock_guard lock(mutex_);
    position_ = {lat, lon, alt};
}

void TOrvaltNTRIPClient::SetLatLon(double lat, double lon) {
    std::lock_guard lock(mutex_);
    position_.Lat = lat;
    position_.Lon = lon;
}

TNtripPosition TOrvaltNTRIPClient::Position() const {
    std::lock_guard lock(mutex_);
    return position_;
}

std::string TOrvaltNTRIPClient::ReceivedData() const {
    std::lock_guard lock(mutex_);
    return receivedData_;
}

void TOrvaltNTRIPClient::AppendReceivedData(std::string_view bytes) {
    std::lock_guard lock(mutex_);
    if (bytes.size() >= kReceivedDataBytes) {
        receivedData_.assign(bytes.substr(bytes.size() - kReceivedDataBytes));
        return;
    }
    receivedData_.append(bytes);
    if (receivedData_.size() > kReceivedDataBytes) {
        receivedData_.erase(0, receivedData_.size() - kReceivedDataBytes);
    }
}

void TOrvaltNTRIPClient::ReconnectTimerTick() {
    ReconnectTimer.stop();
    if (ReconnectAttempts >= MaxReconnectAttempts || !AutoReconnect) return;
    ++ReconnectAttempts;
    DoLog("Reconnect attempt " + IntToStr(ReconnectAttempts) + "/" +
          IntToStr(MaxReconnectAttempts));
    Connect();
}

// A connection ends with status 0, a failed attempt with status 4 (a refusal with both): each
// ending schedules the next attempt, so a link that is still down does not end reconnection.
void TOrvaltNTRIPClient::DoStatus(int status, const std::string& message) {
    if (OnStatusChange) OnStatusChange(this, status, message);
    DoLog(message);
    if ((status != nsDisconnected && status != nsError) || !AutoReconnect) return;
    if (ReconnectAttempts < MaxReconnectAttempts) {
        ReconnectTimer.start();
    } else if (!exhaustionReported_) {
        exhaustionReported_ = true;
        DoLog("Max reconnect attempts reached");
    }
}

void TOrvaltNTRIPClient::DoDataReceived(const char* data, int length) {
    if (OnDataReceived) OnDataReceived(this, data, length);
}

void TOrvaltNTRIPClient::ParseSourceTable(const std::string& text) {
    MountPoints = SourceTableMountPoints(text);
    DoLog("Source table parsed: " + IntToStr(static_cast<long long>(MountPoints.size())) +
          " mount points");
    if (OnSourceTable) OnSourceTable(this, MountPoints);
}

void TOrvaltNTRIPClient::DoLog(const std::string& text) {
    if (OnLog) OnLog(this, text);
}
