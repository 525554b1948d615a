#include "DeviceLink.h"
#include "text/Translate.h"

#include "BluetoothLink.h"
#include "settings/Settings.h"

namespace kestrova {

namespace {
// Two threads may send at once during a download (a request and a re-request):
// serialise whole frames on the port.
class LockedSerialTransport final : public Transport {
public:
    explicit LockedSerialTransport(CCOM& port) : m_inner(port) {}
    bool isBluetooth() const override { return false; }
    bool isConnected() const override { return m_inner.isConnected(); }
    std::string name() const override { return m_inner.name(); }
    Outcome send(std::span<const std::uint8_t> bytes) override {
        std::lock_guard lock(m_mutex);
        return m_inner.send(bytes);
    }
    Outcome receive(std::vector<std::uint8_t>& out) override { return m_inner.receive(out); }
    WaitResult waitReadable(int timeoutMs, int wakeFd) override { return m_inner.waitReadable(timeoutMs, wakeFd); }

private:
    SerialTransport m_inner;
    std::mutex m_mutex;
};
} // namespace

DeviceLink::DeviceLink(const Settings& settings, const DeviceTiming& timing)
    : m_settings(settings), m_timing(timing), m_port(m_timing),
      m_transport(std::make_unique<LockedSerialTransport>(m_port)) {}

DeviceLink::~DeviceLink() {
    closePort();
}

void DeviceLink::useSerial(ProbeOrder order) {
    m_bluetooth = nullptr;
    m_order = std::move(order);
    m_transport = std::make_unique<LockedSerialTransport>(m_port);
}

void DeviceLink::useBluetooth(BluetoothLink* link) {
    closePort();
    m_bluetooth = link;
    m_transport = std::make_unique<BluetoothTransport>(*link);
}

Transport& DeviceLink::transport() {
    return *m_transport;
}

DeviceLink::Probe DeviceLink::probe(const std::string& name) {
    closePort();
    if (name.empty()) return Probe::Silent;
    m_probed.push_back(name);
    if (const Outcome opened = m_port.Open(name, 4800); !opened) {
        // The first port refused for permission (or else held) is what a person must hear about.
        const DeviceStatus s = opened.status();
        if (isPortProblem(s) && (m_portProblem != DeviceStatus::Forbidden)) {
            if (m_portProblem != s) m_problemPort = opened.error().subject;
            m_portProblem = s;
        }
        return Probe::Silent;
    }
    const Result<Identification> id = exchanges().identify();
    if (id) m_identification = *id; // kept even when the model code is not supported
    closePort();
    if (!id || !isSupported(*id)) return Probe::Silent;
    if (!m_port.Open(name, id->lineRate)) return Probe::ReopenFailed;
    if (const WriteStatus remembered = m_settings.setDefaultCom(name); !remembered)
        m_settingsProblem = text::arg(ktr("DeviceLink", "The port could not be remembered in the settings file, "
                                                        "which was left as it was: %1"),
                                      {remembered.error().text()});
    return Probe::Answered;
}

DeviceStatus DeviceLink::findDevice(bool reopenFailureEnds) {
    m_probed.clear();
    m_portProblem = DeviceStatus::NoDevice;
    m_problemPort.clear();
    if (m_bluetooth) {
        if (!m_bluetooth->ConnectSocket()) return DeviceStatus::NoDevice;
        const Result<Identification> id = exchanges().identify();
        if (id) m_identification = *id;
        return id && isSupported(*id) ? DeviceStatus::Ok : DeviceStatus::NoDevice;
    }
    auto tryAll = [&](const std::vector<std::string>& names) -> std::optional<DeviceStatus> {
        for (const auto& name : names) {
            if (m_waker.woken()) return DeviceStatus::Cancelled;
            switch (probe(name)) {
            case Probe::Answered: return DeviceStatus::Ok;
            case Probe::ReopenFailed:
                if (reopenFailureEnds) return DeviceStatus::IoError;
                break;
            case Probe::Silent: break;
            }
        }
        return std::nullopt;
    };
    if (auto f = tryAll(listCandidates(m_order))) return *f;
    if (m_order.sweep) {
        if (auto f = tryAll(m_order.sweepNames)) return *f;
    }
    return m_portProblem;
}

} // namespace kestrova
