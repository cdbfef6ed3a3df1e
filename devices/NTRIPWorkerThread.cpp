#include "devices/NTRIPWorkerThread.h"

#include "devices/NtripRequest.h"
#include "devices/OrvaltNTRIPClient.h"
#include "devices/OrvaltSerialGPS.h"
#include "platform/Clock.h"
#include "platform/NumberFormat.h"

#include <algorithm>

namespace {

constexpr std::size_t kReceiveBufferBytes = 4096;
constexpr std::uint64_t kMsPerSecond = 1000;

}  // namespace

TNTRIPWorkerThread::TNTRIPWorkerThread(TOrvaltNTRIPClient* client, int requestMode)
    : Client(client),
      RequestMode(requestMode),
      host_(client->Host),
      port_(client->Port),
      username_(client->Username),
      password_(client->Password),
      mountPoint_(client->MountPoint),
      ggaIntervalSeconds_(client->GgaInterval),
      timeoutMs_(client->SocketTimeoutMs) {}

TNTRIPWorkerThread::~TNTRIPWorkerThread() { Stop(); }

void TNTRIPWorkerThread::Start() {
    thread_ = std::thread([this] { Execute(); });
}

void TNTRIPWorkerThread::Stop() {
    StopRequested = true;
    Socket.Shutdown();
    if (!thread_.joinable()) return;
    handOff_.DrainUntilClosed();
    thread_.join();
}

bool TNTRIPWorkerThread::Synchronize(const std::function<void()>& call) {
    return handOff_.Synchronize(call, StopRequested);
}

void TNTRIPWorkerThread::Execute() {
    if (ConnectToCaster()) {
        ReceiveLoop();
        Socket.Close();
        Client->Connected = false;
        if (!StopRequested) SetStatus(nsDisconnected, "Disconnected");
    }
    handOff_.Close();
}

// Failures before the request is sent end with status 4 alone, which still counts as an
// attempt for the client's reconnection.
bool TNTRIPWorkerThread::ConnectToCaster() {
    SetStatus(nsConnecting, "Connecting to " + host_ + ":" + IntToStr(port_));
    switch (Socket.Connect(host_, port_, timeoutMs_)) {
        case TTcpConnectResult::Connected:
            break;
        case TTcpConnectResult::NotResolved:
            SetStatus(nsError, "Failed to resolve host: " + host_);
            return false;
        case TTcpConnectResult::NoSocket:
            SetStatus(nsError, "Failed to create socket");
            return false;
        case TTcpConnectResult::NotConnected:
            SetStatus(nsError, "Failed to connect to " + host_);
            return false;
    }
    const std::string request =
        BuildNtripRequest(RequestMode, host_, mountPoint_, username_, password_);
    if (!request.empty()) Socket.Send(request);
    lastGgaTicks_ = GetTickCount();
    return true;
}

void TNTRIPWorkerThread::ReceiveLoop() {
    phase_ = RequestMode == 0 || RequestMode == 1 ? TPhase::Header : TPhase::Stream;
    char buffer[kReceiveBufferBytes];
    while (!StopRequested) {
        const long n = Socket.Receive(buffer, kReceiveBufferBytes - 1);
        if (n <= 0) {
            if (!StopRequested) ReportEndOfAnswer();
            return;
        }
        const std::string_view block(buffer, static_cast<std::size_t>(n));
        switch (phase_) {
            case TPhase::Header:
                if (!TakeHeader(block)) return;
                break;
            case TPhase::SourceTable:
                if (!TakeSourceTable(block)) return;
                break;
            case TPhase::Stream:
                TakeStream(block);
                break;
        }
    }
}

// The caster closed, the socket failed, or nothing came within the time-out.
void TNTRIPWorkerThread::ReportEndOfAnswer() {
    if (phase_ == TPhase::Header) {
        const TNtripAnswer cut = header_.Cut();
        if (cut.Kind == TNtripAnswerKind::Refused) {
            Refuse(cut);
            return;
        }
    }
    SetStatus(nsDisconnected, "Connection closed");
}

bool TNTRIPWorkerThread::TakeHeader(std::string_view block) {
    std::string rest;
    const TNtripAnswer answer = header_.Take(block, rest);
    switch (answer.Kind) {
        case TNtripAnswerKind::Incomplete:
            return true;
        case TNtripAnswerKind::Refused:
            Refuse(answer);
            return false;
        case TNtripAnswerKind::SourceTable:
            phase_ = TPhase::SourceTable;
            if (!mountPoint_.empty()) {
                SetStatus(nsError,
                          "Mount point not found in the caster's source table: " + mountPoint_,
                          false);
            }
            return TakeSourceTable(rest);
        case TNtripAnswerKind::Stream:
            AcceptStream(rest);
            return true;
    }
    return false;
}

void TNTRIPWorkerThread::Refuse(const TNtripAnswer& answer) {
    if (answer.Code == 0 && !answer.FirstLine.empty()) {
        const std::string line = "Server response: " + answer.FirstLine;
        Synchronize([this, &line] { Client->DoLog(line); });
    }
    SetStatus(nsError, NtripRefusalText(answer.Code, mountPoint_));
}

// A table cut off, by the caster or by its size, is discarded.
bool TNTRIPWorkerThread::TakeSourceTable(std::string_view bytes) {
    if (SourceTableText.size() + bytes.size() > kMaxSourceTableBytes) {
        SourceTableText.clear();
        SetStatus(nsDisconnected, "Connection closed");
        return false;
    }
    const std::size_t searchedBefore = SourceTableText.size();
    SourceTableText.append(bytes);
    if (!SourceTableComplete(SourceTableText, searchedBefore)) return true;
    Synchronize([this] { Client->ParseSourceTable(SourceTableText); });
    return false;
}

void TNTRIPWorkerThread::AcceptStream(std::string_view firstBytes) {
    SetStatus(nsConnected, "Connected to " + mountPoint_);
    Client->Connected = true;
    Client->ReconnectAttempts = 0;
    SendGGA();
    lastGgaTicks_ = GetTickCount();
    phase_ = TPhase::Stream;
    if (firstBytes.empty()) return;
    DeliverData(firstBytes);
    SetStatus(nsReceiving, "Receiving correction data");
}

// The upload interval is tested only when data arrive. It runs on the tick count, which a
// step of the wall clock does not move.
void TNTRIPWorkerThread::TakeStream(std::string_view block) {
    DeliverData(block);
    if (Client->Status != nsReceiving) SetStatus(nsReceiving, "Receiving correction data");
    const std::uint64_t now = GetTickCount();
    if (ggaIntervalSeconds_ > 0 &&
        now - lastGgaTicks_ >= static_cast<std::uint64_t>(ggaIntervalSeconds_) * kMsPerSecond) {
        SendGGA();
        lastGgaTicks_ = now;
    }
}

void TNTRIPWorkerThread::SetStatus(int status, const std::string& message, bool worthRetrying) {
    Client->Status = status;
    Status = status;
    StatusMessage = message;
    Synchronize([this, worthRetrying] {
        if (!worthRetrying) Client->AutoReconnect = false;
        Client->DoStatus(Status, StatusMessage);
    });
}

// The GNSS port is written while the user-interface thread runs the hand-off: neither waits
// for the other, and the handler only reads the bytes, which stay put until both are done.
void TNTRIPWorkerThread::DeliverData(std::string_view bytes) {
    Client->BytesReceived += static_cast<std::int64_t>(bytes.size());
    Client->AppendReceivedData(bytes);
    DataPtr = bytes.data();
    DataLength = static_cast<int>(bytes.size());
    const std::function<void()> handOver = [this] { Client->DoDataReceived(DataPtr, DataLength); };
    const bool handedOver = handOff_.Post(handOver, StopRequested);
    if (Client->ForwardToOutput && !bytes.empty()) {
        if (const auto sink = Client->OutputHandle()) sink->Write(bytes, kGnssPortWriteTimeoutMs);
    }
    if (handedOver) handOff_.Wait();
}

std::string TNTRIPWorkerThread::BuildGGA() const {
    const TNtripPosition position = Client->Position();
    return BuildGgaSentence(position.Lat, position.Lon, position.Alt, Now().toUTC());
}

void TNTRIPWorkerThread::SendGGA() {
    if (!Socket.IsOpen()) return;
    const std::size_t sent = Socket.Send(BuildGGA() + "\r\n");
    if (sent > 0) Client->BytesSent += static_cast<std::int64_t>(sent);
}
