#pragma once
// Compressing and writing screenshots away from the user-interface thread.
//
// PNG at the strongest level takes seconds for a full-screen picture (about 2 s for a busy
// 1920 x 1080 one, 6.5 s at 3840 x 2160). On the user-interface thread that would stop the port
// polls and the map tick for as long, and the soundings that arrived meanwhile would be logged
// at the position of the tick before. So the tick only captures, and one worker thread turns
// the pictures into files, one batch at a time: a batch is refused while the previous one is
// still being written.

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct TScreenshotJob {
    std::string path;
    QImage picture;
};

struct TScreenshotFailure {
    std::string path;
    std::string reason;
};

// Encodes the picture as PNG into `png`; returns an empty text, or what went wrong.
using TPngEncoder = std::function<std::string(const QImage& picture, QByteArray& png)>;
// Qt's PNG writer at quality 0, which it turns into zlib level 9, the strongest.
std::string EncodeStrongestPng(const QImage& picture, QByteArray& png);

// One picture as a file: converted to 24 bits per pixel, encoded, written to a temporary file
// beside the path and renamed over it, so the file appears whole or not at all. Returns an
// empty text, or the reason it was not written.
std::string WriteScreenshot(const TScreenshotJob& job, const TPngEncoder& encode);

class TScreenshotWriter {
public:
    // Runs on the thread that made the writer once a batch is done, with the pictures of the
    // batch that were not written.
    using TDone = std::function<void(std::vector<TScreenshotFailure> failures)>;

    explicit TScreenshotWriter(TPngEncoder encode);
    // Finishes the picture under way; the rest of its batch is dropped and `done` not called.
    ~TScreenshotWriter();
    TScreenshotWriter(const TScreenshotWriter&) = delete;
    TScreenshotWriter& operator=(const TScreenshotWriter&) = delete;

    // Hands the batch to the worker; false, taking nothing, while the previous batch is still
    // being written.
    bool Write(std::vector<TScreenshotJob> batch, TDone done);
    bool Busy() const;

private:
    void Run();
    bool Stopping() const;

    const TPngEncoder encode_;
    QObject doneContext_;  // delivers `done` on the thread that made the writer
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<TScreenshotJob> batch_;
    TDone done_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread worker_;  // last: starts once everything above is there
};
