#pragma once
// While it lives, no file this process writes may grow past a size: a write beyond it fails
// with "File too large", as on a full disk. SIGXFSZ is ignored meanwhile, which turns the limit
// into a failing write, for root too.

#include <sys/resource.h>

#include <csignal>
#include <cstddef>

class TFileSizeLimit {
public:
    explicit TFileSizeLimit(std::size_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        applied_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

    bool Applied() const { return applied_; }

private:
    void (*previousHandler_)(int);
    rlimit saved_{};
    bool applied_ = false;
};
