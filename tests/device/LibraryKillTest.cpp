// The study library survives kestrova-cli being killed at any moment of an import or
// a download: the index passes SQLite's integrity check, every study's file holds the
// samples its row promises, and no row lacks its file.
#include "files/DataFile.h"
#include "library/LibrarySchema.h"
#include "library/Sha256.h"
#include "library/StudyLibrary.h"

#include "QuickTiming.h"
#include "TestSupport.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using namespace kestrova;

namespace {

// Starts a program with `args` (stdout and stderr to /dev/null); the pid is ours to
// kill and reap.
pid_t spawn(const std::vector<std::string>& args) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    const int null = ::open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    setenv("KESTROVA_DEVICE_TIMING", test::kQuickTiming, 1);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
}

// Kills `pid` after `delayMs` unless it ended by then; reaps it.
void killAfter(pid_t pid, int delayMs) {
    for (int waited = 0; waited < delayMs; waited += 5) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return;
        usleep(5000);
    }
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
}

struct Row {
    std::string datName, digest;
    std::int64_t count = 0;
    std::string sourceFile;
};

// What a library left by a killed program must satisfy; `expected` maps a source
// file to the samples it holds. Returns the number of studies.
std::size_t expectConsistent(const std::string& dir, const std::map<std::string, std::vector<SampleRecord>>& expected,
                             const std::string& when) {
    const std::string file = dir + "/studies.sqlite";
    if (test::fileSize(file) <= 0) return 0; // killed before the library was created
    std::vector<Row> rows;
    {
        auto db = library::Database::open(file, false);
        EXPECT_TRUE(db) << when;
        if (!db) return 0;
        auto check = (*db)->prepare("PRAGMA integrity_check");
        EXPECT_TRUE(check && check->step()) << when;
        EXPECT_EQ(check->text(0), "ok") << when;
        auto q = (*db)->prepare("SELECT dat_name, digest, sample_count, source_file FROM studies");
        if (!q) return 0; // the schema was never committed
        while (q->step()) rows.push_back({q->text(0), q->text(1), q->integer(2), q->text(3)});
        EXPECT_FALSE(q->failed()) << when;
    }
    std::set<std::string> names;
    for (const Row& r : rows) {
        names.insert(r.datName);
        const std::string bytes = test::readFile(dir + "/recordings/" + r.datName);
        if (bytes.size() < 5 + 11 * static_cast<std::size_t>(r.count)) {
            ADD_FAILURE() << r.datName << " is shorter than its row says, " << when;
            continue;
        }
        const auto digest = Sha256::of(std::string_view(bytes).substr(5, 11 * static_cast<std::size_t>(r.count)));
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(digest.data()), digest.size()), r.digest) << when;
        auto parsed = parseDataFile(bytes, r.datName);
        if (!parsed) {
            ADD_FAILURE() << parsed.error().text() << ", " << when;
            continue;
        }
        EXPECT_EQ(static_cast<std::int64_t>(parsed->samples.size()), r.count) << when;
        if (const auto it = expected.find(r.sourceFile); it != expected.end()) {
            EXPECT_EQ(parsed->samples, it->second) << r.sourceFile << " " << when;
        }
    }
    // Opened again, files no row names are cleared away.
    auto lib = StudyLibrary::open(dir);
    EXPECT_TRUE(lib) << when;
    test::CommandResult listing = test::runCommand("ls " + dir + "/recordings");
    std::size_t files = 0;
    for (char c : listing.out) files += c == '\n';
    EXPECT_EQ(files, rows.size()) << when << "\n" << listing.out;
    for (const std::string& n : names) EXPECT_NE(listing.out.find(n), std::string::npos) << when;
    return rows.size();
}

// kestrova-sim in the background for the life of the object.
class SimProcess {
public:
    SimProcess(const test::TempDir& dir, const std::string& args) {
        const std::string portFile = dir.file("port.txt");
        test::runCommand("rm -f " + portFile);
        const auto r = test::runCommand(std::string(KESTROVA_SIM) + " " + args + " >" + portFile + " 2>&1 & echo $!");
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

} // namespace

TEST(LibraryKill, AKilledImportLeavesEveryStudyWholeOrAbsent) {
    test::TempDir dir;
    const std::string lib = dir.file("lib");
    test::runCommand("mkdir " + dir.file("in"));
    std::map<std::string, std::vector<SampleRecord>> nights;
    for (int i = 1; i <= 40; ++i) {
        const std::string path = dir.file("in/night" + std::to_string(100 + i) + ".dat");
        nights[path] = test::night(i, 3600);
        ASSERT_TRUE(writeDataFile(path, static_cast<std::uint8_t>(i), nights[path], "ReportTitle"));
    }
    for (int delayMs : {5, 20, 40, 80, 150, 250, 400}) {
        const pid_t pid = spawn({KESTROVA_CLI, "studies", "import", dir.file("in"), "--library", lib});
        ASSERT_GT(pid, 0);
        killAfter(pid, delayMs);
        expectConsistent(lib, nights, "import killed after " + std::to_string(delayMs) + " ms");
    }
    // Finished at last, every night is there once.
    const auto r = test::runCommand(std::string(KESTROVA_CLI) + " studies import " + dir.file("in") + " --library " +
                                    lib + " >/dev/null");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(expectConsistent(lib, nights, "after the full import"), nights.size());
}

TEST(LibraryKill, AKilledDownloadLeavesEveryStudyWholeOrAbsent) {
    test::TempDir dir;
    const std::string lib = dir.file("lib");
    const std::string recording = "--ids 3,12,20 --seconds 2000 --payload 800 --type 2";
    for (int delayMs : {30, 100, 200, 350, 500, 800}) {
        SimProcess sim(dir, recording);
        ASSERT_FALSE(sim.port().empty());
        const pid_t pid = spawn({KESTROVA_CLI, "download", "--port", sim.port(), "--out", dir.file("out"),
                                 "--overwrite", "--library", lib});
        ASSERT_GT(pid, 0);
        killAfter(pid, delayMs);
        expectConsistent(lib, {}, "download killed after " + std::to_string(delayMs) + " ms");
    }
    SimProcess sim(dir, recording);
    ASSERT_FALSE(sim.port().empty());
    const auto r = test::runCommand("KESTROVA_DEVICE_TIMING=" + std::string(test::kQuickTiming) + " " + KESTROVA_CLI +
                                    " download --port " + sim.port() + " --out " + dir.file("out") +
                                    " --overwrite --library " + lib);
    ASSERT_EQ(r.status, 0) << r.err;
    std::map<std::string, std::vector<SampleRecord>> none;
    EXPECT_GE(expectConsistent(lib, none, "after the full download"), 3u);
    auto opened = StudyLibrary::open(lib);
    ASSERT_TRUE(opened);
    for (const char* id : {"3", "12", "20"}) {
        auto file = readDataFile(dir.file(std::string("out/ID") + id + ".dat"));
        ASSERT_TRUE(file);
        auto found = (*opened)->find(file->samples);
        ASSERT_TRUE(found && found->has_value()) << "ID " << id << " is not in the library";
        auto study = (*opened)->get(**found);
        EXPECT_EQ(study->summary.origin, StudyOrigin::Download);
        EXPECT_FALSE(study->summary.partial);
        EXPECT_EQ(test::readFile(study->datPath), test::readFile(dir.file(std::string("out/ID") + id + ".dat")));
    }
}
