#include "canvas/ProjectFile.h"

#include "canvas/CanvasModel.h"
#include "canvas/ProjectTextReader.h"
#include "canvas/ZlibStream.h"
#include "platform/AtomicFile.h"
#include "platform/Clock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <new>

namespace {

constexpr std::string_view kMagic = "SMK1";

// An open file read in pieces; closed when it goes.
class TInputFile {
public:
    explicit TInputFile(const std::string& path)
        : descriptor_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~TInputFile() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    TInputFile(const TInputFile&) = delete;
    TInputFile& operator=(const TInputFile&) = delete;

    bool IsOpen() const { return descriptor_ >= 0; }
    // As a TByteSource: the bytes read, 0 at the end, -1 on failure.
    long Read(char* buffer, std::size_t size) {
        ssize_t n = 0;
        do {
            n = ::read(descriptor_, buffer, size);
        } while (n < 0 && errno == EINTR);
        return static_cast<long>(n);
    }
    // Reads until the buffer is full or the file ends.
    long ReadFully(char* buffer, std::size_t size) {
        std::size_t got = 0;
        while (got < size) {
            const long n = Read(buffer + got, size - got);
            if (n < 0) return -1;
            if (n == 0) break;
            got += static_cast<std::size_t>(n);
        }
        return static_cast<long>(got);
    }

private:
    int descriptor_;
};

std::string SystemError(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// Hands the file to the sink from where it stands to its end.
bool ReadRest(TInputFile& file, const TByteSink& sink, std::string& reason) {
    constexpr std::size_t kPiece = 256 * 1024;
    const auto piece = std::make_unique_for_overwrite<char[]>(kPiece);
    for (;;) {
        const long n = file.Read(piece.get(), kPiece);
        if (n < 0) {
            reason = SystemError("the file cannot be read");
            return false;
        }
        if (n == 0) return true;
        if (!sink(std::string_view(piece.get(), static_cast<std::size_t>(n)))) return false;
    }
}

// Hands the project text to the sink in pieces: inflated after the magic, or the file itself.
bool ReadProjectText(const std::string& path, const TByteSink& sink, std::string& reason) {
    TInputFile file(path);
    if (!file.IsOpen()) {
        reason =
            errno == ENOENT ? "the file does not exist" : SystemError("the file cannot be opened");
        return false;
    }
    char head[kMagic.size()];
    const long n = file.ReadFully(head, sizeof head);
    if (n < 0) {
        reason = SystemError("the file cannot be read");
        return false;
    }
    const std::string_view start(head, static_cast<std::size_t>(n));
    if (start == kMagic) {
        const TByteSource source = [&file](char* buffer, std::size_t size) {
            return file.Read(buffer, size);
        };
        return InflateStream(source, sink, reason);
    }
    return sink(start) && ReadRest(file, sink, reason);
}

// The whole text through the compressor into the file; false with the failing step's reason.
bool WriteCompressed(const TCanvasModel& model, TAtomicFile& file, std::string& reason) {
    TZlibWriter zlib([&file](std::string_view bytes) { return file.Write(bytes); });
    std::size_t total = 0;
    const auto compress = [&](std::string_view piece) {
        total += piece.size();
        return total <= kMaxProjectTextBytes && zlib.Write(piece);
    };
    if (file.Write(kMagic) && WriteProjectText(model, Now(), compress) && zlib.Finish()) {
        return true;
    }
    reason = total > kMaxProjectTextBytes ? "the drawing is too large for a project file"
             : !file.Error().empty()      ? file.Error()
                                          : zlib.Error();
    return false;
}

}  // namespace

bool WriteProjectFile(const TCanvasModel& model, const std::string& path, std::string& reason) {
    // A file the reader would refuse is not written: the last one that opens stays.
    if (model.ShapeCount() > kMaxProjectShapes) {
        reason = "the drawing has more than " + std::to_string(kMaxProjectShapes) + " shapes";
        return false;
    }
    try {
        TAtomicFile file(path);
        if (WriteCompressed(model, file, reason) && file.Commit()) return true;
        if (reason.empty()) reason = file.Error();
    } catch (const std::bad_alloc&) {
        reason = "out of memory";
    }
    return false;
}

bool ReadProjectFile(TCanvasModel& model, const std::string& path, int mode, std::string& reason,
                     std::size_t maxTextBytes, int maxShapes) {
    try {
        TProjectRecords records;
        TProjectTextReader reader(records, maxShapes);
        std::size_t total = 0;
        // Counted before the reader sees it: a small file may inflate to gigabytes.
        const TByteSink toReader = [&](std::string_view piece) {
            total += piece.size();
            return total <= maxTextBytes && reader.Read(piece);
        };
        if (ReadProjectText(path, toReader, reason) && reader.Finish()) {
            ApplyProjectRecords(model, records, mode);
            return true;
        }
        if (total > maxTextBytes) {
            reason = "the project text is larger than " + std::to_string(maxTextBytes) + " bytes";
        } else if (reason.empty()) {
            reason = reader.Error();
        }
    } catch (const std::bad_alloc&) {
        reason = "out of memory";
    }
    return false;
}
