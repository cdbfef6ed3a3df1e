#include "tests/devices/PortFeed.h"

#include "devices/OrvaltSerialGPS.h"
#include "tests/platform/PseudoTerminal.h"

bool Deliver(TPseudoTerminal& device, TOrvaltSerialGPS& port, std::string_view bytes) {
    device.Send(bytes);
    if (!TPseudoTerminal::WaitQueued(port.Handle(), static_cast<int>(bytes.size()))) return false;
    port.PollTimerTick();
    return true;
}

bool DeliverInChunks(TPseudoTerminal& device, TOrvaltSerialGPS& port, std::string_view bytes,
                     std::size_t chunk) {
    for (std::size_t at = 0; at < bytes.size(); at += chunk) {
        if (!Deliver(device, port, bytes.substr(at, chunk))) return false;
    }
    return true;
}
