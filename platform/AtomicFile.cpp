#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

// The temporary file of a replacement starts private and only then takes the old file's mode,
// so the bytes are never readable by more users than the old file allowed.
TAtomicFile::TAtomicFile(std::string path, mode_t newFileMode) : path_(std::move(path)) {
    static std::atomic<unsigned> counter{0};
    temporary_ = path_ + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    struct stat old {};
    const bool replacing = ::stat(path_.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    // A temporary file left by a killed process of the same number would keep its own mode.
    ::unlink(temporary_.c_str());
    constexpr int kFlags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
    descriptor_ = ::open(temporary_.c_str(), kFlags, replacing ? kPrivateFileMode : newFileMode);
    if (descriptor_ < 0) {
        Fail("cannot create the file");
    } else if (replacing && ::fchmod(descriptor_, old.st_mode & 07777) != 0) {
        Fail("cannot keep the file's permissions");
    }
}

TAtomicFile::~TAtomicFile() {
    if (!committed_) Discard();
}

bool TAtomicFile::Write(std::string_view bytes) {
    if (!error_.empty()) return false;
    while (!bytes.empty()) {
        errno = 0;
        const ssize_t n = ::write(descriptor_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Fail("cannot write the file");
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool TAtomicFile::Commit() {
    if (!error_.empty()) return false;
    if (::fsync(descriptor_) != 0) return Fail("cannot flush the file to disk");
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (::close(descriptor) != 0) return Fail("cannot close the file");
    if (::rename(temporary_.c_str(), path_.c_str()) != 0) return Fail("cannot replace the file");
    committed_ = true;
    return true;
}

bool TAtomicFile::Fail(const char* step) {
    // A short write of a full disk or a file-size limit leaves errno 0: name the usual cause.
    const int code = errno != 0 ? errno : ENOSPC;
    if (error_.empty()) error_ = std::string(step) + ": " + std::strerror(code);
    Discard();
    return false;
}

void TAtomicFile::Discard() {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
    ::unlink(temporary_.c_str());
}
