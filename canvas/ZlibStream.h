#pragma once
// One zlib stream (RFC 1950: header, deflate data, Adler-32 trailer), written and read in
// pieces, so that neither the text nor its compressed bytes need to be held whole. The reader
// refuses a stream that is cut short or damaged, and one with bytes after its end; its sink can
// stop it at any piece, so a bound on the inflated size holds before the memory is taken.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// Takes the next piece of output; returning false stops the stream.
using TByteSink = std::function<bool(std::string_view bytes)>;
// Fills the buffer with the next input and returns how many bytes it put there: 0 at the end
// of the input, -1 when it cannot read.
using TByteSource = std::function<long(char* buffer, std::size_t size)>;

// Deflates at zlib's default level into the sink.
class TZlibWriter {
public:
    explicit TZlibWriter(TByteSink sink);
    ~TZlibWriter();
    TZlibWriter(const TZlibWriter&) = delete;
    TZlibWriter& operator=(const TZlibWriter&) = delete;

    // Each returns false once zlib or the sink failed; Error() names a zlib failure and stays
    // empty for the sink's own.
    bool Write(std::string_view bytes);
    // Ends the stream: the rest of the deflate data and the Adler-32.
    bool Finish();
    const std::string& Error() const { return error_; }

private:
    bool Deflate(std::string_view bytes, int flush);

    struct TState;
    std::unique_ptr<TState> state_;
    TByteSink sink_;
    std::string out_;
    bool failed_ = false;
    std::string error_;
};

// Inflates the stream the source delivers, handing the text to the sink in pieces of at most
// 256 KiB. Returns false with the reason when the source cannot be read or the stream is
// damaged, ends early or is followed by more bytes; and false with an empty reason when the
// sink refuses a piece.
bool InflateStream(const TByteSource& source, const TByteSink& sink, std::string& reason);
