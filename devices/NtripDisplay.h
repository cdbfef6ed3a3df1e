#pragma once
// What the NTRIP window shows of the client's state.

#include <cstdint>
#include <string>

struct TNtripStatusCaptions {
    const char* Button;  // of btnConnect
    const char* Window;  // the window's caption
};

// The captions of a client status, 0 to 4; false for any other value, which changes nothing.
bool NtripStatusCaptions(int status, TNtripStatusCaptions& captions);

// A byte count with "," between thousands ("###,###,###,##0"): 1234 gives "1,234".
std::string FormatByteCount(std::int64_t bytes);

// The activity bar's position, 0 to 99, wrapping every 5000 bytes.
int ActivityPosition(std::int64_t bytes);
