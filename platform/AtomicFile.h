#pragma once
// A file replaced whole. The bytes go to a temporary file beside the target; Commit flushes it
// to disk, closes it and renames it over the target. Until Commit succeeds the target is
// untouched, so a full disk, a failed write or a kill part-way leaves the old file as it was.
// A writer destroyed without a successful Commit removes its temporary file.
//
// The new file keeps the permission bits of the file it replaces, so a file the surveyor made
// private stays private. A file that did not exist takes the mode the caller names, less the
// process's umask: kPrivateFileMode for files that hold credentials.

#include <sys/types.h>

#include <string>
#include <string_view>

// Readable by everyone (as the system's own tools create files), and by the owner alone.
inline constexpr mode_t kSharedFileMode = 0644;
inline constexpr mode_t kPrivateFileMode = 0600;

class TAtomicFile {
public:
    // Creates the temporary file; a failure shows in Error() and every later call fails.
    explicit TAtomicFile(std::string path, mode_t newFileMode = kSharedFileMode);
    ~TAtomicFile();
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    // Each returns false after the first failure, with its reason in Error().
    bool Write(std::string_view bytes);
    bool Commit();

    // What failed and the system's reason, e.g. "cannot write the file: File too large".
    const std::string& Error() const { return error_; }

private:
    bool Fail(const char* step);
    void Discard();

    std::string path_;
    std::string temporary_;
    int descriptor_ = -1;
    bool committed_ = false;
    std::string error_;
};
