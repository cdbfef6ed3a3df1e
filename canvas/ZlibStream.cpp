#include "canvas/ZlibStream.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <memory>

namespace {

constexpr std::size_t kChunk = 256 * 1024;

Bytef* Bytes(const char* data) { return reinterpret_cast<Bytef*>(const_cast<char*>(data)); }

std::string ZlibMessage(const z_stream& stream, int status) {
    if (stream.msg) return stream.msg;
    return status == Z_MEM_ERROR ? "out of memory" : "zlib status " + std::to_string(status);
}

// The bytes the stream put out since its output buffer was set to out.
std::string_view Produced(const z_stream& stream, const std::string& out) {
    return std::string_view(out.data(), out.size() - stream.avail_out);
}

void SetOutput(z_stream& stream, std::string& out) {
    stream.next_out = Bytes(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
}

struct TInflater {
    z_stream stream{};
    bool started = inflateInit(&stream) == Z_OK;
    ~TInflater() {
        if (started) inflateEnd(&stream);
    }
};

}  // namespace

struct TZlibWriter::TState {
    z_stream stream{};
    bool started = deflateInit(&stream, Z_DEFAULT_COMPRESSION) == Z_OK;
    ~TState() {
        if (started) deflateEnd(&stream);
    }
};

TZlibWriter::TZlibWriter(TByteSink sink)
    : state_(std::make_unique<TState>()), sink_(std::move(sink)), out_(kChunk, '\0') {
    if (!state_->started) {
        failed_ = true;
        error_ = "the compressor cannot start";
    }
}

TZlibWriter::~TZlibWriter() = default;

bool TZlibWriter::Write(std::string_view bytes) { return Deflate(bytes, Z_NO_FLUSH); }

bool TZlibWriter::Finish() { return Deflate({}, Z_FINISH); }

// Feeds the bytes in pieces zlib can count, and hands on all output it gives.
bool TZlibWriter::Deflate(std::string_view bytes, int flush) {
    z_stream& stream = state_->stream;
    do {
        if (failed_) return false;
        const std::size_t piece = std::min<std::size_t>(bytes.size(), UINT_MAX);
        stream.next_in = Bytes(bytes.data());
        stream.avail_in = static_cast<uInt>(piece);
        bytes.remove_prefix(piece);
        const int pieceFlush = bytes.empty() ? flush : Z_NO_FLUSH;
        int status = Z_OK;
        do {
            SetOutput(stream, out_);
            status = deflate(&stream, pieceFlush);
            if (status == Z_STREAM_ERROR) {
                error_ = "the compressor failed: " + ZlibMessage(stream, status);
                failed_ = true;
            } else if (const std::string_view produced = Produced(stream, out_);
                       !produced.empty() && !sink_(produced)) {
                failed_ = true;
            }
        } while (!failed_ &&
                 (stream.avail_out == 0 || (pieceFlush == Z_FINISH && status != Z_STREAM_END)));
    } while (!bytes.empty());
    return !failed_;
}

bool InflateStream(const TByteSource& source, const TByteSink& sink, std::string& reason) {
    TInflater inflater;
    z_stream& stream = inflater.stream;
    if (!inflater.started) {
        reason = "the decompressor cannot start";
        return false;
    }
    // Not cleared first: zlib writes every byte it hands on, and clearing 512 KiB took much of
    // a small project's load.
    const auto in = std::make_unique_for_overwrite<char[]>(kChunk);
    const auto out = std::make_unique_for_overwrite<char[]>(kChunk);
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        if (stream.avail_in == 0) {
            const long n = source(in.get(), kChunk);
            if (n <= 0) {
                reason = n < 0 ? "the file cannot be read" : "the compressed data is cut short";
                return false;
            }
            stream.next_in = Bytes(in.get());
            stream.avail_in = static_cast<uInt>(n);
        }
        stream.next_out = Bytes(out.get());
        stream.avail_out = static_cast<uInt>(kChunk);
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END) {
            reason = "the compressed data is damaged (" + ZlibMessage(stream, status) + ")";
            return false;
        }
        const std::string_view produced(out.get(), kChunk - stream.avail_out);
        if (!produced.empty() && !sink(produced)) return false;
    }
    char extra = 0;
    const long more = stream.avail_in > 0 ? 1 : source(&extra, 1);
    if (more != 0) {
        reason =
            more < 0 ? "the file cannot be read" : "bytes follow the end of the compressed data";
        return false;
    }
    return true;
}
