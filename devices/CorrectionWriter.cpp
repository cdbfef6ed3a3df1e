#include "devices/CorrectionWriter.h"

#include <algorithm>

namespace {

constexpr int kMsPerByte = 10;
constexpr int kMsPerWrite = 50;
constexpr std::size_t kLongestTimedWrite = 1 << 20;

}  // namespace

int CorrectionWriteTimeoutMs(std::size_t bytes) {
    return static_cast<int>(std::min(bytes, kLongestTimedWrite)) * kMsPerByte + kMsPerWrite;
}

TCorrectionWriter::~TCorrectionWriter() { Close(); }

TSerialOpenResult TCorrectionWriter::Open(const std::string& path,
                                          const TSerialSettings& settings) {
    Close();
    const TSerialOpenResult result = device_.Open(path, settings);
    if (result != TSerialOpenResult::Opened) return result;
    {
        std::lock_guard lock(mutex_);
        stop_ = false;
        overflowing_ = false;
        dropped_ = 0;
        capacity_ = std::max<std::size_t>(QueueBytes, 1);
    }
    thread_ = std::thread([this, sink = device_.Sink()] { Run(sink); });
    return result;
}

void TCorrectionWriter::Close() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
        blocks_.clear();
        queuedBytes_ = 0;
    }
    queued_.notify_all();
    device_.Close();  // wakes a write that waits for the port
    if (thread_.joinable()) thread_.join();
}

std::size_t TCorrectionWriter::Write(std::string_view bytes) {
    if (bytes.empty() || !device_.IsOpen()) return 0;
    std::size_t droppedNow = 0;
    bool begins = false;
    bool wake = false;
    {
        std::lock_guard lock(mutex_);
        if (bytes.size() > capacity_) {  // only the newest part of a block this large fits
            droppedNow = bytes.size() - capacity_;
            bytes.remove_prefix(droppedNow);
        }
        droppedNow += MakeRoom(bytes.size());
        blocks_.emplace_back(bytes);
        queuedBytes_ += bytes.size();
        dropped_ += droppedNow;
        begins = droppedNow > 0 && !overflowing_;
        if (droppedNow > 0) overflowing_ = true;
        wake = writerWaiting_;
    }
    if (wake) queued_.notify_one();
    return begins ? droppedNow : 0;
}

std::size_t TCorrectionWriter::MakeRoom(std::size_t incoming) {
    std::size_t dropped = 0;
    while (!blocks_.empty() && queuedBytes_ + incoming > capacity_) {
        dropped += blocks_.front().size();
        queuedBytes_ -= blocks_.front().size();
        blocks_.pop_front();
    }
    return dropped;
}

std::uint64_t TCorrectionWriter::DroppedBytes() const {
    std::lock_guard lock(mutex_);
    return dropped_;
}

// Write errors and time-outs are ignored, as on the GNSS port: the next block goes on.
void TCorrectionWriter::Run(std::shared_ptr<TSerialPortSink> sink) {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (blocks_.empty()) overflowing_ = false;
        writerWaiting_ = true;
        queued_.wait(lock, [this] { return stop_ || !blocks_.empty(); });
        writerWaiting_ = false;
        if (stop_) return;
        const std::string block = std::move(blocks_.front());
        blocks_.pop_front();
        queuedBytes_ -= block.size();
        lock.unlock();
        sink->Write(block, CorrectionWriteTimeoutMs(block.size()));
        lock.lock();
    }
}
