#include "platform/FileBytes.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr std::size_t kFirstCapacity = 1 << 20;

std::string SystemError(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// Closes the descriptor when it goes.
struct TDescriptor {
    int fd;
    ~TDescriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

void TFileBytes::Release() {
    if (data_) ::munmap(data_, capacity_);
    data_ = nullptr;
    size_ = capacity_ = 0;
}

// Moves what is held into a larger mapping.
bool TFileBytes::Grow(std::size_t capacity) {
    void* memory =
        ::mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) return false;
    // Only advice: without huge pages the mapping works the same.
    ::madvise(memory, capacity, MADV_HUGEPAGE);
    auto* data = static_cast<char*>(memory);
    if (size_ > 0) std::memcpy(data, data_, size_);
    const std::size_t size = size_;
    Release();
    data_ = data;
    size_ = size;
    capacity_ = capacity;
    return true;
}

bool TFileBytes::Read(const std::string& path, std::string& reason) {
    Release();
    const TDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) {
        reason = errno == ENOENT ? "the file does not exist" : SystemError("cannot open the file");
        return false;
    }
    // Sized from the file system, one byte more to see the end; a file that grows meanwhile
    // is read to its end all the same.
    struct stat info {};
    const bool regular = ::fstat(file.fd, &info) == 0 && S_ISREG(info.st_mode);
    const std::size_t stated = regular ? static_cast<std::size_t>(info.st_size) + 1 : 0;
    if (!Grow(std::max(stated, kFirstCapacity))) {
        reason = SystemError("cannot read the file");
        return false;
    }
    for (;;) {
        if (size_ == capacity_ && !Grow(2 * capacity_)) {
            reason = SystemError("cannot read the file");
            return false;
        }
        const ssize_t n = ::read(file.fd, data_ + size_, capacity_ - size_);
        if (n < 0 && errno == EINTR) continue;
        // A folder opens but does not read: that is an error, not an empty file.
        if (n < 0) {
            reason = SystemError("cannot read the file");
            Release();
            return false;
        }
        if (n == 0) return true;
        size_ += static_cast<std::size_t>(n);
    }
}
