// Finding the serial port the oximeter is on. The ports the system lists are sorted
// into three lists by their friendly names "<description> (<name>)": CP210x bridges,
// Bluetooth serial ports and the rest. Probing tries the remembered port, then the
// CP210x list, then the other list, and only when all of those failed every serial
// device name in /dev.
#pragma once

#include "SerialPort.h"

#include <functional>
#include <string>
#include <vector>

namespace kestrova {

struct PortLists {
    std::vector<std::string> cp210x, bluetooth, other; // friendly names, in system order
};

// One port as the system describes it.
struct PortInfo {
    std::string name;        // as under /dev: "ttyUSB0", "rfcomm0"
    std::string description; // may be empty
    bool bluetoothTransport = false;
    int usbVendor = 0, usbProduct = 0;
};

// "<description> (<name>)", or "(<name>)" without a description.
std::string friendlyName(const PortInfo& port);
// Sorts ports into the three lists; a port with no name is ignored.
PortLists classifyPorts(const std::vector<PortInfo>& ports);
// The system's serial ports (libserialport, plus /dev/rfcomm*, which it does not list).
std::vector<PortInfo> listSystemPorts();
PortLists enumeratePorts();

// The text between the first "(" and the first ")"; empty when there is none.
std::string portNameOf(const std::string& friendlyName);

// Serial device names present in /dev, for the last-resort sweep.
std::vector<std::string> sweepPortNames();

struct ProbeOrder {
    std::string remembered; // DefaultCOM, tried first when not empty
    PortLists lists;
    bool sweep = true; // fall back to every serial device name
    std::vector<std::string> sweepNames;
};

// The candidates in probing order (the sweep only as a separate stage, see probe()).
std::vector<std::string> listCandidates(const ProbeOrder& order);

} // namespace kestrova
