#pragma once
// Bytes as a device sends them to one of the main window's serial ports: the pseudo-terminal
// sends them and the port's poll tick reads them once they have all arrived.

#include <cstddef>
#include <string_view>

class TOrvaltSerialGPS;
class TPseudoTerminal;

// False when the bytes did not arrive in time; the port is then not polled.
bool Deliver(TPseudoTerminal& device, TOrvaltSerialGPS& port, std::string_view bytes);
// The same in pieces of `chunk` bytes, a poll tick after each; stops at the first that does
// not arrive.
bool DeliverInChunks(TPseudoTerminal& device, TOrvaltSerialGPS& port, std::string_view bytes,
                     std::size_t chunk);
