#include "PortDiscovery.h"
#include "text/Translate.h"

#include "base/UniqueFd.h"

#include <libserialport.h>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace kestrova {
namespace {

bool isCp210x(const PortInfo& p) {
    if (p.description.find("CP210") != std::string::npos) return true;
    return p.usbVendor == 0x10c4 && (p.usbProduct == 0xea60 || p.usbProduct == 0xea70 || p.usbProduct == 0xea71);
}

bool startsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

// A ttyS name exists for every possible UART; only those with hardware behind them count.
bool uartPresent(const std::string& name) {
    const UniqueFd fd(::open(("/dev/" + name).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd) return false;
    serial_struct info{};
    return ::ioctl(fd.get(), TIOCGSERIAL, &info) != 0 || info.type != PORT_UNKNOWN;
}

} // namespace

std::string friendlyName(const PortInfo& port) {
    return port.description.empty() ? "(" + port.name + ")" : port.description + " (" + port.name + ")";
}

PortLists classifyPorts(const std::vector<PortInfo>& ports) {
    PortLists lists;
    for (const auto& p : ports) {
        if (p.name.empty()) continue;
        const std::string f = friendlyName(p);
        if (isCp210x(p))
            lists.cp210x.push_back(f);
        else if (p.bluetoothTransport || p.description.find("Bluetooth") != std::string::npos ||
                 startsWith(p.name, "rfcomm"))
            lists.bluetooth.push_back(f);
        else
            lists.other.push_back(f);
    }
    return lists;
}

std::vector<PortInfo> listSystemPorts() {
    std::vector<PortInfo> ports;
    sp_port** list = nullptr;
    if (sp_list_ports(&list) == SP_OK && list) {
        for (int i = 0; list[i]; ++i) {
            PortInfo info;
            std::string name = sp_get_port_name(list[i]) ? sp_get_port_name(list[i]) : "";
            if (startsWith(name, "/dev/")) name = name.substr(5);
            info.name = name;
            if (const char* d = sp_get_port_description(list[i])) info.description = d;
            if (info.description == info.name) info.description.clear();
            const auto transport = sp_get_port_transport(list[i]);
            info.bluetoothTransport = transport == SP_TRANSPORT_BLUETOOTH;
            if (transport == SP_TRANSPORT_USB) sp_get_port_usb_vid_pid(list[i], &info.usbVendor, &info.usbProduct);
            ports.push_back(info);
        }
        sp_free_port_list(list);
    }
    // Bound RFCOMM ports are serial ports too, but libserialport does not list them.
    if (DIR* dir = ::opendir("/dev")) {
        std::vector<std::string> rfcomm;
        while (const dirent* e = ::readdir(dir))
            if (startsWith(e->d_name, "rfcomm")) rfcomm.emplace_back(e->d_name);
        ::closedir(dir);
        std::sort(rfcomm.begin(), rfcomm.end());
        for (const auto& name : rfcomm) {
            const bool known =
                std::any_of(ports.begin(), ports.end(), [&](const PortInfo& p) { return p.name == name; });
            if (!known) ports.push_back(PortInfo{name, ktr("PortDiscovery", "Bluetooth serial port"), true, 0, 0});
        }
    }
    return ports;
}

PortLists enumeratePorts() {
    return classifyPorts(listSystemPorts());
}

std::string portNameOf(const std::string& friendlyName) {
    const auto l = friendlyName.find('(');
    const auto r = friendlyName.find(')');
    const long left = l == std::string::npos ? -1 : static_cast<long>(l);
    const long right = r == std::string::npos ? -1 : static_cast<long>(r);
    const long count = right - left - 1;
    if (count <= 0) return {};
    return friendlyName.substr(static_cast<std::size_t>(left + 1), static_cast<std::size_t>(count));
}

std::vector<std::string> sweepPortNames() {
    static const char* prefixes[] = {"ttyUSB", "ttyACM", "ttyS", "ttyAMA", "ttyXRUSB", "ttySAC", "ttymxc"};
    std::vector<std::string> names;
    if (DIR* dir = ::opendir("/dev")) {
        while (const dirent* e = ::readdir(dir)) {
            const std::string name = e->d_name;
            for (const char* p : prefixes) {
                if (startsWith(name, p) && name.size() > std::string(p).size() &&
                    std::isdigit(static_cast<unsigned char>(name[std::string(p).size()]))) {
                    if (startsWith(name, "ttyS") && !startsWith(name, "ttySAC") && !uartPresent(name)) break;
                    names.push_back(name);
                    break;
                }
            }
        }
        ::closedir(dir);
    }
    // Natural order: ttyS2 before ttyS10.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const auto da = a.find_first_of("0123456789"), db = b.find_first_of("0123456789");
        if (a.substr(0, da) != b.substr(0, db)) return a.substr(0, da) < b.substr(0, db);
        return std::stoi(a.substr(da)) < std::stoi(b.substr(db));
    });
    return names;
}

std::vector<std::string> listCandidates(const ProbeOrder& order) {
    std::vector<std::string> c;
    if (!order.remembered.empty()) c.push_back(order.remembered);
    for (const auto& f : order.lists.cp210x) c.push_back(portNameOf(f));
    for (const auto& f : order.lists.other) c.push_back(portNameOf(f));
    return c;
}

} // namespace kestrova
