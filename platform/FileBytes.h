#pragma once
// A whole file read into memory for a reader that goes over it more than once. The memory is
// mapped afresh and offered to the kernel for huge pages, so that a file of a hundred megabytes
// costs a few dozen page faults rather than tens of thousands, and no time goes into clearing
// memory that the file's bytes overwrite at once.

#include <cstddef>
#include <string>
#include <string_view>

class TFileBytes {
public:
    TFileBytes() = default;
    ~TFileBytes() { Release(); }
    TFileBytes(const TFileBytes&) = delete;
    TFileBytes& operator=(const TFileBytes&) = delete;

    // Reads the whole file, replacing what was held. False with the reason of the failure:
    // "the file does not exist", or the step that failed with the system's reason ("cannot read
    // the file: Is a directory").
    bool Read(const std::string& path, std::string& reason);
    std::string_view Bytes() const { return {data_, size_}; }
    // Gives the memory back.
    void Release();

private:
    bool Grow(std::size_t capacity);

    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};
