#pragma once
// Finds RTCM 3 frames in a byte stream that arrives in pieces.
//
// The bytes come as the network or a file delivers them: a read may end anywhere inside a
// frame, a stream may start in the middle of one, and a receiver's port interleaves RTCM with
// NMEA text and binary protocols of its maker. A frame is the preamble 0xD3, six reserved bits
// (ignored, as many casters do not zero them) and a 10-bit message length, the message, and a
// CRC-24Q. Any 0xD3 byte in the other traffic, or inside a frame's own data, looks like a
// preamble. So the scanner hands on a frame only once its CRC matches, and after a mismatch it
// steps one byte past the false preamble and scans again from there, including the bytes it
// had already buffered, so a real frame that starts inside a false candidate is still found.
// Nothing else is ever an error: whatever is not a frame is skipped silently.
//
// A frame that lies whole inside one piece is checked where it lies; only a frame that runs
// past the end of a piece is copied, into a fixed buffer of one frame's maximum size. A stream
// that ends (a block scanned on its own, a buffer copy) ends with Finish, so a false preamble
// near the end, whose length runs past it, hides no frame behind it.

#include <array>
#include <cstddef>
#include <functional>
#include <string_view>

class TRtcmFrameScanner {
public:
    static constexpr std::size_t kHeaderBytes = 3;
    static constexpr std::size_t kCrcBytes = 3;
    static constexpr std::size_t kMaxMessageBytes = 1023;
    static constexpr std::size_t kMaxFrameBytes = kHeaderBytes + kMaxMessageBytes + kCrcBytes;
    static constexpr char kPreamble = static_cast<char>(0xD3);

    // Receives a whole frame, header and CRC included; the view is valid during the call only.
    using TFrameSink = std::function<void(std::string_view frame)>;

    // Scans the next piece of the stream, calling onFrame for each frame it completes, in order.
    void Feed(std::string_view bytes, const TFrameSink& onFrame);
    // Ends the stream. A frame still incomplete never will be, so its preamble was false: the
    // bytes after it are scanned for whole frames, and the scanner returns to the hunt.
    void Finish(const TFrameSink& onFrame);
    // Forgets a frame begun in earlier pieces and hunts for the next preamble.
    void Reset() { pendingSize_ = 0; }

private:
    void ScanInPlace(std::string_view bytes, const TFrameSink& onFrame);
    std::string_view ContinuePending(std::string_view bytes, const TFrameSink& onFrame);
    void RescanAfterPreamble(std::string_view candidate, const TFrameSink& onFrame);

    std::array<char, kMaxFrameBytes> pending_{};  // a frame begun but not yet complete
    std::size_t pendingSize_ = 0;
    std::array<char, kMaxFrameBytes> rescan_{};  // what follows a false preamble in pending_
};

// The message of a frame: the bytes between its header and its CRC.
inline std::string_view RtcmMessageOf(std::string_view frame) {
    return frame.substr(
        TRtcmFrameScanner::kHeaderBytes,
        frame.size() - TRtcmFrameScanner::kHeaderBytes - TRtcmFrameScanner::kCrcBytes);
}
