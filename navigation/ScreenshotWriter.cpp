#include "navigation/ScreenshotWriter.h"

#include "platform/AtomicFile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QMetaObject>
#include <string_view>

namespace {

// Qt's PNG writer maps quality 0 to zlib's level 9.
constexpr int kStrongestPngQuality = 0;

}  // namespace

std::string EncodeStrongestPng(const QImage& picture, QByteArray& png) {
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(kStrongestPngQuality);
    if (!writer.write(picture)) return writer.errorString().toStdString();
    return {};
}

std::string WriteScreenshot(const TScreenshotJob& job, const TPngEncoder& encode) {
    const QImage rgb = job.picture.convertToFormat(QImage::Format_RGB888);
    QByteArray png;
    if (const std::string error = encode(rgb, png); !error.empty()) {
        return "cannot compress the picture: " + error;
    }
    TAtomicFile file(job.path);
    if (!file.Write(std::string_view(png.constData(), static_cast<std::size_t>(png.size()))) ||
        !file.Commit()) {
        return file.Error();
    }
    return {};
}

TScreenshotWriter::TScreenshotWriter(TPngEncoder encode)
    : encode_(std::move(encode)), worker_([this] { Run(); }) {}

TScreenshotWriter::~TScreenshotWriter() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

bool TScreenshotWriter::Write(std::vector<TScreenshotJob> batch, TDone done) {
    {
        const std::lock_guard lock(mutex_);
        if (busy_) return false;
        busy_ = true;
        batch_ = std::move(batch);
        done_ = std::move(done);
    }
    wake_.notify_one();
    return true;
}

bool TScreenshotWriter::Busy() const {
    const std::lock_guard lock(mutex_);
    return busy_;
}

bool TScreenshotWriter::Stopping() const {
    const std::lock_guard lock(mutex_);
    return stopping_;
}

void TScreenshotWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || busy_; });
        if (stopping_) return;
        std::vector<TScreenshotJob> batch = std::move(batch_);
        TDone done = std::move(done_);
        lock.unlock();
        std::vector<TScreenshotFailure> failures;
        for (const TScreenshotJob& job : batch) {
            if (Stopping()) return;
            if (std::string reason = WriteScreenshot(job, encode_); !reason.empty()) {
                failures.push_back({job.path, std::move(reason)});
            }
        }
        batch.clear();  // the pictures go before the next batch comes
        lock.lock();
        busy_ = false;
        QMetaObject::invokeMethod(
            &doneContext_, [done, failures] { done(failures); }, Qt::QueuedConnection);
    }
}
