// How a wait for bytes from the device ended, for the serial port and the
// Bluetooth link alike.
#pragma once

namespace kestrova {

enum class WaitResult {
    Readable, // bytes are queued
    Timeout,  // nothing came in time
    Woken,    // the wake-up descriptor was signalled (Stop)
    Failed    // the port or link failed or went away
};

} // namespace kestrova
