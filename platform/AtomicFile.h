#pragma once
// A file replaced whole. The bytes go to a temporary file beside the target; Commit flushes it
// to disk, closes it and renames it over the target. Until Commit succeeds the target is
// untouched, so a full disk, a failed write or a kill part-way leaves the old file as it was.
// A writer destroyed without a successful Commit removes its temporary file.

#include <string>
#include <string_view>

class TAtomicFile {
public:
    // Creates the temporary file; a failure shows in Error() and every later call fails.
    explicit TAtomicFile(std::string path);
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
