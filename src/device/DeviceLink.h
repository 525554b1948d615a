// The link to the oximeter for one device operation: the serial port (or the
// Bluetooth link), the probing that finds the device, and what the device said
// about itself. Owned by the capture session; the clock setting and the deletion
// use the same object.
#pragma once

#include "DeviceTiming.h"
#include "Exchanges.h"
#include "PortDiscovery.h"
#include "Protocol.h"
#include "SerialPort.h"
#include "Transport.h"
#include "Waker.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace kestrova {

class BluetoothLink;
class Settings;

class DeviceLink {
public:
    // `timing`: every wait of the link, its exchanges and the capture session using it.
    explicit DeviceLink(const Settings& settings, const DeviceTiming& timing = {});
    ~DeviceLink();

    // COM-port mode with this probing order (the remembered port is DefaultCOM).
    void useSerial(ProbeOrder order);
    // Bluetooth mode over an established link (not owned).
    void useBluetooth(BluetoothLink* link);
    bool bluetooth() const { return m_bluetooth != nullptr; }

    // COM-port mode: probes the candidates until one identifies as a supported
    // device, reopens it at the device's line rate and remembers it in DefaultCOM.
    // `reopenFailureEnds`: a failed reopen ends the search (clock setting, IoError)
    // instead of counting as a port that did not answer.
    // Bluetooth mode: checks the link and identifies the device.
    // Ok, Cancelled, IoError, or when nothing answered NoDevice, unless a port could
    // not be opened for want of permission (Forbidden) or because it was held (Busy):
    // then that, with the port in problemPort().
    DeviceStatus findDevice(bool reopenFailureEnds = false);
    const std::string& problemPort() const { return m_problemPort; }

    Transport& transport();
    Exchanges exchanges(MessageFn message = {}) {
        return Exchanges(transport(), m_waker, m_timing, std::move(message));
    }
    CCOM& port() { return m_port; }
    Waker& waker() { return m_waker; }
    const DeviceTiming& timing() const { return m_timing; }
    const Identification& identification() const { return m_identification; }
    // Every port opened while probing, in order (what a user's trace would show).
    const std::vector<std::string>& probedPorts() const { return m_probed; }
    // Closing is the end of the operation either way: a failure has nobody to hear it.
    void closePort() { (void)m_port.Close(); }
    // Set when DefaultCOM could not be written (the caller tells the user).
    const std::string& settingsProblem() const { return m_settingsProblem; }

private:
    enum class Probe { Answered, Silent, ReopenFailed };
    Probe probe(const std::string& portName);

    const Settings& m_settings;
    DeviceTiming m_timing;
    CCOM m_port;
    Waker m_waker;
    ProbeOrder m_order;
    BluetoothLink* m_bluetooth = nullptr;
    std::unique_ptr<Transport> m_transport;
    Identification m_identification;
    DeviceStatus m_portProblem = DeviceStatus::NoDevice;
    std::string m_problemPort;
    std::string m_settingsProblem;
    std::vector<std::string> m_probed;
};

} // namespace kestrova
