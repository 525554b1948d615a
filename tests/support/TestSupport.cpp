#include "TestSupport.h"

#include "model/SyntheticRecording.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace kestrova::test {
namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "kestrova-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

long fileSize(const std::string& path) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    return ec ? -1 : static_cast<long>(size);
}

CommandResult runCommand(const std::string& commandLine, int timeoutSeconds) {
    TempDir dir;
    const std::string out = dir.file("out"), err = dir.file("err");
    const std::string full = "{ " + commandLine + "\n} >" + out + " 2>" + err;
    // The shell runs in a process group of its own, so that a command that outlives its
    // time can be ended with everything it started in the foreground.
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setpgid(0, 0);
        ::execl("/bin/sh", "sh", "-c", full.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    CommandResult r;
    if (pid < 0) return r;
    ::setpgid(pid, pid);
    int raw = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    while (::waitpid(pid, &raw, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(-pid, SIGKILL);
            ::waitpid(pid, &raw, 0);
            r.err = "test: command timed out after " + std::to_string(timeoutSeconds) + " s: " + commandLine + "\n";
            r.out = readFile(out);
            return r;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = readFile(out);
    r.err = readFile(err);
    return r;
}

int pdfPageCount(const std::string& pdf) {
    int pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
        if (pdf.compare(at, 12, "/Type /Pages") != 0) ++pages;
    return pages;
}

std::vector<SampleRecord> flatSeries(int n, int spo2, int pulse) {
    std::vector<SampleRecord> s(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        SampleRecord& x = s[static_cast<std::size_t>(i)];
        x.id = 1;
        x.year = 10;
        x.month = 5;
        x.day = 5;
        x.hour = 8;
        x.minute = static_cast<std::uint8_t>(i / 60 % 60);
        x.second = static_cast<std::uint8_t>(i % 60);
        x.spo2 = static_cast<std::uint8_t>(spo2);
        x.pulseRate = static_cast<std::uint8_t>(pulse);
    }
    return s;
}

std::vector<SampleRecord> night(int id, int seconds) {
    SyntheticNight n;
    n.id = id;
    n.seconds = seconds;
    n.seed = static_cast<std::uint64_t>(id);
    return makeSyntheticNight(n);
}

} // namespace kestrova::test
