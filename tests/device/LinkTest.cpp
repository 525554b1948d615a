// The serial port and the Bluetooth link on their own, and a download over Bluetooth.
#include "BluetoothLink.h"
#include "CaptureSession.h"
#include "DeviceLink.h"
#include "DeviceSimulator.h"
#include "PortDiscovery.h"
#include "SerialPort.h"
#include "model/RecordingModel.h"
#include "model/SyntheticRecording.h"
#include "settings/Settings.h"
#include "text/StringTable.h"

#include "QuickTiming.h"
#include "TestSupport.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace kestrova;

namespace {} // namespace

TEST(SerialPort, OpenReadWriteAndCloseFollowTheirContracts) {
    CCOM port;
    EXPECT_TRUE(port.Close()); // nothing held
    const Outcome missing = port.Open("ttyKESTROVA99", 4800);
    EXPECT_EQ(missing.status(), DeviceStatus::NoDevice);
    EXPECT_EQ(missing.error().subject, "/dev/ttyKESTROVA99"); // the port, with the system's reason
    EXPECT_EQ(missing.error().errorNumber, ENOENT);
    EXPECT_FALSE(port.IsOpen());

    DeviceSimulator sim;
    sim.addRecording(test::night(3, 10));
    ASSERT_TRUE(sim.start());
    ASSERT_TRUE(port.Open(sim.portName(), 4800));
    std::vector<std::uint8_t> in = {0xAB};
    EXPECT_TRUE(port.Read(in)); // idle: true, nothing appended
    EXPECT_EQ(in, std::vector<std::uint8_t>{0xAB});
    EXPECT_TRUE(port.Write(std::vector<std::uint8_t>{}));

    // A second holder is refused while the first has it.
    CCOM other;
    EXPECT_EQ(other.Open(sim.portName(), 4800).status(), DeviceStatus::Busy);

    // Reopening at the device's rate works (the exclusive flag does not linger).
    EXPECT_TRUE(port.Close());
    ASSERT_TRUE(port.Open("/dev/" + sim.portName(), 921600));
    const auto id = identifyFrame();
    ASSERT_TRUE(port.Write(id.data(), id.size()));
    in.clear();
    ASSERT_EQ(port.WaitReadable(2000, -1), WaitResult::Readable);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(port.Read(in));
    EXPECT_EQ(in.size(), 23u); // the whole reply in one call
    EXPECT_EQ(sim.identifyCount(), 1);

    // Unplugged: reads and writes fail instead of looking like silence, each with
    // the message the download shows for it.
    sim.stop();
    in.clear();
    const Outcome read = port.Read(in);
    EXPECT_EQ(read.status(), DeviceStatus::IoError);
    EXPECT_EQ(read.error().messageId, str::ReadComFailed);
    EXPECT_EQ(port.WaitReadable(1000, -1), WaitResult::Failed);
    const Outcome written = port.Write(id.data(), id.size());
    EXPECT_FALSE(written);
    EXPECT_EQ(written.error().messageId, str::WriteComFailed);
    EXPECT_TRUE(port.Close());
}

TEST(PortDiscovery, FriendlyNamesAndTheirLists) {
    EXPECT_EQ(portNameOf("CP210x USB to UART Bridge (COM3)"), "COM3");
    EXPECT_EQ(portNameOf("No parentheses"), "");
    EXPECT_EQ(portNameOf("Odd )order( (x)"), "");
    const auto lists = classifyPorts({{"ttyUSB0", "CP2102N USB to UART Bridge Controller", false, 0, 0},
                                      {"ttyUSB1", "FT232R USB UART", false, 0x0403, 0x6001},
                                      {"ttyUSB2", "", false, 0x10c4, 0xea60},
                                      {"rfcomm0", "", false, 0, 0},
                                      {"ttyS4", "Bluetooth serial", false, 0, 0},
                                      {"", "nameless", false, 0, 0}});
    EXPECT_EQ(lists.cp210x, (std::vector<std::string>{"CP2102N USB to UART Bridge Controller (ttyUSB0)", "(ttyUSB2)"}));
    EXPECT_EQ(lists.other, (std::vector<std::string>{"FT232R USB UART (ttyUSB1)"}));
    EXPECT_EQ(lists.bluetooth, (std::vector<std::string>{"(rfcomm0)", "Bluetooth serial (ttyS4)"}));
    ProbeOrder order;
    order.remembered = "ttyACM0";
    order.lists = lists;
    EXPECT_EQ(listCandidates(order), (std::vector<std::string>{"ttyACM0", "ttyUSB0", "ttyUSB2", "ttyUSB1"}));
}

TEST(BluetoothLink, SendsReceivesAndNoticesThePeerLeaving) {
    int sv[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, sv), 0);
    BluetoothLink link(sv[0]);
    EXPECT_TRUE(link.WSABT_IsConnected());
    const std::uint8_t frame[6] = {0x55, 0xAA, 0xFD, 0, 0, 0xFD};
    EXPECT_TRUE(link.WSABT_SendData(frame, 6));
    std::uint8_t got[16];
    EXPECT_EQ(::read(sv[1], got, sizeof got), 6);

    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(link.WSABT_RecvData(got, 16, 50).value(), 0u); // nothing came: back after the wait
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(500));

    ASSERT_EQ(::write(sv[1], "\x55\xAA\x01", 3), 3);
    EXPECT_EQ(link.WSABT_RecvData(got, 2, 50).value(), 2u); // bounded by the capacity
    EXPECT_EQ(link.WSABT_RecvData(got, 16, 50).value(), 1u);

    ::close(sv[1]);
    const auto gone = link.WSABT_RecvData(got, 16, 50);
    EXPECT_EQ(gone.status(), DeviceStatus::IoError);
    EXPECT_EQ(gone.error().messageId, str::NotConnected);
    EXPECT_FALSE(link.WSABT_IsConnected());
    EXPECT_EQ(link.WSABT_SendData(frame, 6).error().messageId, str::NotConnected);

    // Connecting: an address that is none is refused in the program's words.
    BluetoothLink unconnected;
    const Outcome refused = unconnected.connectTo("not an address", 1);
    EXPECT_EQ(refused.status(), DeviceStatus::Invalid);
    EXPECT_EQ(connectionFailureText(refused.error()), "\"not an address\" is not a Bluetooth address.");
}

TEST(BluetoothLink, DownloadsThroughTheSameProtocol) {
    DeviceSimulator sim;
    sim.addRecording(test::night(4, 2000));
    sim.addRecording(test::night(6, 500));
    ASSERT_TRUE(sim.start());
    // Relay between one end of a socket pair and the simulator's terminal: the other
    // end plays the RFCOMM socket.
    int sv[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, sv), 0);
    const int tty = ::open(("/dev/" + sim.portName()).c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(tty, 0);
    termios tio{};
    ::tcgetattr(tty, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(tty, TCSANOW, &tio);
    std::atomic<bool> stopRelay{false};
    std::thread relay([&] {
        std::uint8_t buf[4096];
        while (!stopRelay) {
            pollfd p[2] = {{sv[1], POLLIN, 0}, {tty, POLLIN, 0}};
            if (::poll(p, 2, 20) <= 0) continue;
            for (int i = 0; i < 2; ++i) {
                if (!(p[i].revents & POLLIN)) continue;
                const ssize_t n = ::read(p[i].fd, buf, sizeof buf);
                if (n > 0) [[maybe_unused]]
                    auto w = ::write(i == 0 ? tty : sv[1], buf, static_cast<std::size_t>(n));
            }
        }
    });

    test::TempDir dir;
    Settings settings(dir.file("k.ini"));
    DeviceLink link(settings, test::quickTiming());
    BluetoothLink bt(sv[0]);
    link.useBluetooth(&bt);
    RecordingModel model;
    std::atomic<int> done{0};
    CaptureSession session(model, link, {{}, [&](const Outcome& ended) { done += ended ? 1 : 100; }, {}});
    ASSERT_EQ(session.connect(), DeviceStatus::Ok);
    session.startDownload();
    session.waitUntilFinished();
    session.stop();
    EXPECT_EQ(done, 1);
    EXPECT_EQ(sim.stopCount(), 1); // once over Bluetooth
    EXPECT_EQ(model.idSampleCount(4), 2000);
    EXPECT_EQ(model.idSampleCount(6), 500);
    model.makeCurrent(6);
    EXPECT_EQ(std::vector<SampleRecord>(model.currentSamples().begin(), model.currentSamples().end()),
              sim.recordings().at(6));
    stopRelay = true;
    relay.join();
    ::close(tty);
    ::close(sv[1]);
}
