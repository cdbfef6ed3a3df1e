#pragma once
// One NTRIP connection, on its own thread.
//
// The worker resolves the caster, sends the request, reads the answer header, then either
// collects the source table or receives the correction stream: it counts and keeps the bytes,
// copies them to the GNSS port's sink, hands each block to the user-interface thread and
// uploads a GGA sentence after acceptance and then, as data arrive, every GgaInterval seconds.
// Every status, block and table is handed over synchronously (NtripHandOff.h).
//
// Bounds: a 4096-byte receive buffer; an answer header of at most kMaxNtripHeaderBytes, a
// source table of at most kMaxSourceTableBytes (NtripAnswer.h); each write to the GNSS port
// within that port's own bound. A caster that closes before its header's blank line but after
// a 401, 404 or 403 line is reported as that refusal. A caster that answers a stream request
// with its source table has no such mount point: that is an error, not worth retrying, and the
// table still reaches the client.

#include "devices/NtripAnswer.h"
#include "devices/NtripHandOff.h"
#include "platform/TcpClientSocket.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

class TOrvaltNTRIPClient;

class TNTRIPWorkerThread {
public:
    // On the user-interface thread: copies the client's connection fields. The thread starts
    // with Start.
    TNTRIPWorkerThread(TOrvaltNTRIPClient* client, int requestMode);
    // Stops the thread as Stop does.
    ~TNTRIPWorkerThread();
    TNTRIPWorkerThread(const TNTRIPWorkerThread&) = delete;
    TNTRIPWorkerThread& operator=(const TNTRIPWorkerThread&) = delete;

    void Start();
    // User-interface thread: asks the thread to stop, wakes it from the socket, runs its
    // remaining hand-offs and waits for it to end.
    void Stop();

    TOrvaltNTRIPClient* const Client;
    const int RequestMode;
    TTcpClientSocket Socket;
    std::atomic<bool> StopRequested = false;
    // What is being handed over; read by the user-interface thread during the hand-off.
    int Status = 0;
    std::string StatusMessage;
    const char* DataPtr = nullptr;
    int DataLength = 0;
    std::string SourceTableText;

    // The answer header as received, at most kMaxNtripHeaderBytes; read once the thread ended.
    const std::string& HeaderText() const { return header_.Header(); }

    void Execute();
    // Hands the status over; `worthRetrying` false also turns the client's reconnection off.
    void SetStatus(int status, const std::string& message, bool worthRetrying = true);
    void DeliverData(std::string_view bytes);
    std::string BuildGGA() const;
    void SendGGA();

private:
    enum class TPhase { Header, SourceTable, Stream };

    bool Synchronize(const std::function<void()>& call);
    bool ConnectToCaster();
    void ReceiveLoop();
    void ReportEndOfAnswer();
    bool TakeHeader(std::string_view block);
    void Refuse(const TNtripAnswer& answer);
    bool TakeSourceTable(std::string_view bytes);
    void AcceptStream(std::string_view firstBytes);
    void TakeStream(std::string_view block);

    // Copies of the client's fields, taken at creation.
    const std::string host_;
    const int port_;
    const std::string username_;
    const std::string password_;
    const std::string mountPoint_;
    const int ggaIntervalSeconds_;
    const int timeoutMs_;

    TNtripHandOff handOff_;
    std::thread thread_;
    TPhase phase_ = TPhase::Header;
    TNtripHeaderReader header_;
    std::uint64_t lastGgaTicks_ = 0;  // GetTickCount() of the last GGA upload
};
