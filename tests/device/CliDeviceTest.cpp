// kestrova-cli's device subcommands against kestrova-sim, as separate processes -
// and, when the tests run as root, once more as an ordinary user, which is how the
// program meets a serial port in real life.
#include "files/DataFile.h"

#include "QuickTiming.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <unistd.h>

using namespace kestrova;

namespace {

// Runs kestrova-sim in the background for the life of the object.
class SimProcess {
public:
    SimProcess(const test::TempDir& dir, const std::string& args, const std::string& asUser = "",
               const std::string& program = KESTROVA_SIM) {
        const std::string portFile = dir.file("port.txt");
        const auto r = test::runCommand(asUser + program + " " + args + " >" + portFile + " 2>&1 & echo $!");
        m_pid = std::stoi(r.out);
        for (int i = 0; i < 100 && m_port.empty(); ++i) {
            usleep(20000);
            m_port = test::readFile(portFile);
        }
        if (!m_port.empty() && m_port.back() == '\n') m_port.pop_back();
    }
    ~SimProcess() { test::runCommand("kill " + std::to_string(m_pid)); }
    const std::string& port() const { return m_port; }

private:
    int m_pid = 0;
    std::string m_port;
};

// The simulated device answers at once: the program need not wait as for a real one.
std::string cli(const test::TempDir& dir, const std::string& args, const std::string& asUser = "",
                const std::string& program = KESTROVA_CLI) {
    return "cd " + dir.path() + " && KESTROVA_DEVICE_TIMING=" + test::kQuickTiming + " " + asUser + program + " " +
           args;
}

} // namespace

TEST(CliDevice, DownloadWritesEveryIdAndReportsAsDocumented) {
    test::TempDir dir;
    SimProcess sim(dir, "--ids 3,12 --seconds 900 --type 11");
    ASSERT_FALSE(sim.port().empty());
    const auto r = test::runCommand(cli(dir, "download --port " + sim.port() + " --out recs --trace wire.txt"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Connect succeed! Total 4 Frames!\n"
                     "ID   3     total        900 Groups\n"
                     "recs/ID3.dat\n"
                     "ID  12     total        900 Groups\n"
                     "recs/ID12.dat\n");
    const auto file = readDataFile(dir.file("recs/ID12.dat"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->patientId, 12);
    EXPECT_EQ(file->title, "ReportTitle");
    ASSERT_EQ(file->samples.size(), 900u);
    EXPECT_EQ(file->samples[0].hour, 22); // chronological although type 11 sends newest first
    EXPECT_NE(test::readFile(dir.file("wire.txt")).find("> 55 AA FD 00 00 FD\n"), std::string::npos);
    EXPECT_NE(test::readFile(dir.file("Kestrova.ini")).find("DefaultCOM=" + sim.port()), std::string::npos);

    // set-clock and delete on the same device.
    const auto clock = test::runCommand(cli(dir, "set-clock --port " + sim.port() + " --time \"2010-03-15 13:45:30\""));
    EXPECT_EQ(clock.status, 0) << clock.err;
    EXPECT_EQ(clock.out, "Set Date and Time Succeed !\n");
    const auto del = test::runCommand(cli(dir, "delete --port " + sim.port()));
    EXPECT_EQ(del.status, 0) << del.err;
    EXPECT_EQ(del.out, "Device data cleared !\n");
    const auto empty = test::runCommand(cli(dir, "download --port " + sim.port()));
    EXPECT_EQ(empty.status, 2);
    EXPECT_EQ(empty.err, "no data!\n");
}

TEST(CliDevice, NoDeviceAndErrorsHaveTheirStatus) {
    test::TempDir dir;
    auto r = test::runCommand(cli(dir, "download --port ttyKESTROVA7"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("Can't find right COM or the device is power off !\n", 0), 0u) << r.err;
    EXPECT_NE(r.err.find("does not exist"), std::string::npos);

    SimProcess sim(dir, "--ids 3 --seconds 3000 --payload 800 --type 4 --vanish-after 2");
    ASSERT_FALSE(sim.port().empty());
    r = test::runCommand(cli(dir, "download --port " + sim.port() + " --out part"));
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("read com failed!"), std::string::npos) << r.err;
    // The frames that arrived before the port vanished are listed and saved, but never
    // under the name of a complete recording.
    EXPECT_NE(r.out.find("ID   3     total        "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("part/ID3.partial.dat\n"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("part/ID3.partial.dat"), std::string::npos) << r.err;
    EXPECT_GT(test::fileSize(dir.file("part/ID3.partial.dat")), 0);
    EXPECT_EQ(test::fileSize(dir.file("part/ID3.dat")), -1);

    EXPECT_EQ(test::runCommand(cli(dir, "set-clock --port ttyKESTROVA7 --time \"2010-13-01 00:00:00\"")).status, 2);
}

TEST(CliDevice, AnOrdinaryUserDownloadsAndIsToldWhenThePortIsForbidden) {
    if (::geteuid() != 0) GTEST_SKIP() << "already running as an ordinary user";
    if (test::runCommand("command -v setpriv").status != 0) GTEST_SKIP() << "setpriv missing";
    test::TempDir dir;
    test::runCommand("chmod 0777 " + dir.path());
    const std::string nobody = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    // The build tree may be out of an ordinary user's reach (a checkout under /root):
    // run copies of the programs.
    const std::string cliCopy = dir.file("kestrova-cli"), simCopy = dir.file("kestrova-sim");
    ASSERT_EQ(test::runCommand(std::string("cp ") + KESTROVA_CLI + " " + cliCopy + " && cp " + KESTROVA_SIM + " " +
                               simCopy + " && chmod 0755 " + cliCopy + " " + simCopy)
                  .status,
              0);

    SimProcess sim(dir, "--ids 7 --seconds 600", nobody, simCopy);
    ASSERT_FALSE(sim.port().empty());
    const auto r = test::runCommand(cli(dir, "download --port " + sim.port() + " --out mine", nobody, cliCopy));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("ID   7     total        600 Groups"), std::string::npos);

    // A port that belongs to root: the user learns why and what to do.
    SimProcess rootSim(dir, "--ids 7 --seconds 60");
    test::runCommand("chmod 0600 /dev/" + rootSim.port());
    const auto denied = test::runCommand(cli(dir, "download --port " + rootSim.port(), nobody, cliCopy));
    EXPECT_EQ(denied.status, 1);
    EXPECT_NE(denied.err.find("dialout"), std::string::npos) << denied.err;
}

// The device vanishes at several points of a download: no file under a complete name
// is ever shorter than what the device held, and no earlier file changes.
TEST(CliDevice, ABrokenDownloadNeverShortensOrReplacesARecording) {
    test::TempDir dir;
    const std::string recording = "--ids 3,12 --seconds 400 --payload 800 --type 2";
    {
        SimProcess sim(dir, recording);
        ASSERT_FALSE(sim.port().empty());
        ASSERT_EQ(test::runCommand(cli(dir, "download --port " + sim.port() + " --out full")).status, 0);
    }
    const std::map<std::string, std::string> whole{{"ID3", test::readFile(dir.file("full/ID3.dat"))},
                                                   {"ID12", test::readFile(dir.file("full/ID12.dat"))}};
    ASSERT_EQ(whole.at("ID3").size(), 5u + 11 * 400 + 12);
    test::runCommand("mkdir " + dir.file("out"));
    test::writeFile(dir.file("out/ID3.dat"), "an earlier night");
    test::writeFile(dir.file("out/ID12.dat"), whole.at("ID12"));

    for (int frame : {1, 3, 4, 6}) {
        SimProcess sim(dir, recording + " --vanish-after " + std::to_string(frame));
        ASSERT_FALSE(sim.port().empty());
        const auto r = test::runCommand(cli(dir, "download --port " + sim.port() + " --out out"));
        EXPECT_EQ(r.status, 3) << "vanished after frame " << frame << ": " << r.err;
        EXPECT_NE(r.err.find(".partial.dat"), std::string::npos) << r.err;
        std::istringstream lines(r.out);
        for (std::string line; std::getline(lines, line);) {
            if (line.size() < 4 || line.substr(line.size() - 4) != ".dat") continue;
            const std::string name = line.substr(line.find('/') + 1);
            const std::string id = name.substr(0, name.find_first_of("-."));
            if (name.find(".partial.dat") != std::string::npos) {
                EXPECT_LT(test::readFile(dir.file(line)).size(), whole.at(id).size() + 1);
                continue;
            }
            EXPECT_EQ(test::readFile(dir.file(line)), whole.at(id)) << line << " after frame " << frame;
        }
        EXPECT_EQ(test::readFile(dir.file("out/ID3.dat")), "an earlier night");
        EXPECT_EQ(test::readFile(dir.file("out/ID12.dat")), whole.at("ID12"));
    }
}

TEST(CliDevice, DownloadSavesOnAFileSystemWithoutLinksAndSaysWhenTheDiskIsFull) {
    // As on a FAT stick: no unnamed temporary files, no hard links, no exclusive rename.
    const std::string fat = "LD_PRELOAD=" KESTROVA_FAILING_WRITES " KESTROVA_NO_TMPFILE=1 "
                            "ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 ";
    test::TempDir dir;
    {
        SimProcess sim(dir, "--ids 3,12 --seconds 900 --type 11");
        ASSERT_FALSE(sim.port().empty());
        const auto r = test::runCommand(cli(dir, "download --port " + sim.port() + " --out recs", fat));
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(test::runCommand("ls -A " + dir.file("recs")).out, "ID12.dat\nID3.dat\n");
        EXPECT_EQ(readDataFile(dir.file("recs/ID12.dat"))->samples.size(), 900u);
    }
    // The same night again is found in place; another night goes beside it.
    const std::string earlier = test::readFile(dir.file("recs/ID3.dat"));
    {
        SimProcess sim(dir, "--ids 3 --seconds 600 --type 11");
        ASSERT_FALSE(sim.port().empty());
        const auto r = test::runCommand(cli(dir, "download --port " + sim.port() + " --out recs", fat));
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(test::readFile(dir.file("recs/ID3.dat")), earlier);
        EXPECT_EQ(test::runCommand("ls -A " + dir.file("recs") + " | wc -l").out, "3\n");
    }
    // A full disk: the failure is named, the status is 1, nothing half-written is left.
    test::TempDir full;
    {
        SimProcess sim(full, "--ids 5 --seconds 900 --type 11");
        ASSERT_FALSE(sim.port().empty());
        const auto r = test::runCommand(
            cli(full, "download --port " + sim.port() + " --out recs", fat + "KESTROVA_FAIL_AFTER=1000 "));
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_NE(r.err.find("recs/ID5.dat: No space left on device"), std::string::npos) << r.err;
        EXPECT_EQ(test::runCommand("ls -A " + full.file("recs")).out, "");
    }
}
