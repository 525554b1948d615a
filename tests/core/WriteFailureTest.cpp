// Every output of kestrova-cli on a disk that fills up while it is written: the
// program is run with a preloaded library that lets N bytes reach files and fails
// the rest with ENOSPC, N swept over the output's own size. Whatever N, the command
// fails, an earlier file of that name stays byte for byte, and nothing is left beside
// it; the same where the file system has no unnamed temporary files or hard links.
#include "files/AtomicFile.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace kestrova;

namespace {

const std::string kCli = KESTROVA_CLI;
const std::string kSamples = SAMPLES_DIR;

std::vector<std::string> entriesOf(const std::string& dir) {
    std::vector<std::string> names;
    if (DIR* d = ::opendir(dir.c_str())) {
        while (const dirent* e = ::readdir(d))
            if (std::string n = e->d_name; n != "." && n != "..") names.push_back(n);
        ::closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

enum class FileSystem { Ordinary, NoUnnamedFilesNorLinks };

// The environment of a run on a disk that takes `budget` more bytes.
std::string diskFull(long long budget, FileSystem fs) {
    std::string env = "LD_PRELOAD=" KESTROVA_FAILING_WRITES " KESTROVA_FAIL_AFTER=" + std::to_string(budget);
    if (fs == FileSystem::NoUnnamedFilesNorLinks) env += " KESTROVA_NO_TMPFILE=1";
    // A sanitizer runtime would otherwise insist on being loaded first.
    return env + " ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0";
}

// One output: the command line that writes OUT (a name in the current directory) from
// the given recording.
struct Output {
    const char* name;
    std::string command(const std::string& recording) const { return kCli + " " + format(recording) + " >/dev/null"; }
    std::function<std::string(const std::string&)> format;
};

std::vector<Output> outputs() {
    auto simple = [](const char* sub, const char* out, const char* extra = "") {
        return Output{out, [=](const std::string& rec) {
                          return std::string(sub) + " " + rec + " " + out + (*extra ? " " : "") + extra;
                      }};
    };
    return {simple("export", "out.txt"),
            simple("export", "out.csv"),
            simple("export", "out.edf"),
            simple("export", "out.xlsx"),
            simple("report", "report.txt"),
            simple("render", "page.png", "--size 800x500"),
            simple("render", "page.pdf"),
            simple("render", "table.pdf", "--view table"),
            simple("clinical-report", "clinical.pdf")};
}

// The byte counts to fail after: a handful from the first byte to the last one.
std::vector<long long> failurePoints(long long size) {
    return {0, 1, size / 3, 2 * size / 3, size - 1};
}

struct Tally {
    int outputs = 0;
    int runs = 0;
};

void sweep(const Output& out, FileSystem fs, Tally& tally) {
    const std::string night = kSamples + "/ID12.dat", earlierNight = kSamples + "/ID3.dat";
    // What the command writes when nothing goes wrong, and an earlier file of another
    // night that must survive every failed attempt.
    test::TempDir scratch;
    ASSERT_EQ(test::runCommand("cd " + scratch.path() + " && " + out.command(night)).status, 0) << out.name;
    const long long size = test::fileSize(scratch.file(out.name));
    ASSERT_GT(size, 0) << out.name;
    test::TempDir earlierDir;
    ASSERT_EQ(test::runCommand("cd " + earlierDir.path() + " && " + out.command(earlierNight)).status, 0);
    const std::string earlier = test::readFile(earlierDir.file(out.name));
    ++tally.outputs;

    for (const bool withEarlier : {true, false}) {
        for (const long long n : failurePoints(size)) {
            test::TempDir dir;
            if (withEarlier) test::writeFile(dir.file(out.name), earlier);
            const auto before = entriesOf(dir.path());
            const auto r =
                test::runCommand("cd " + dir.path() + " && " + diskFull(n, fs) + " " + out.command(night), 60);
            ++tally.runs;
            const std::string what = std::string(out.name) + " failing after " + std::to_string(n) + " of " +
                                     std::to_string(size) + " bytes" + (withEarlier ? "" : ", no earlier file");
            EXPECT_NE(r.status, 0) << what;
            EXPECT_NE(r.err.find(out.name), std::string::npos) << what << ": " << r.err;
            // The file and the system's reason in plain words, the EDF writer's too.
            EXPECT_NE(r.err.find(std::string(out.name) + ": No space left on device"), std::string::npos)
                << what << ": " << r.err;
            EXPECT_EQ(entriesOf(dir.path()), before) << what;
            if (withEarlier) EXPECT_EQ(test::readFile(dir.file(out.name)), earlier) << what;
        }
    }
}

} // namespace

TEST(WriteFailure, EveryOutputOnAFullDiskKeepsTheEarlierFileAndLeavesNothing) {
    Tally tally;
    for (const Output& out : outputs()) sweep(out, FileSystem::Ordinary, tally);
    EXPECT_EQ(tally.outputs, static_cast<int>(outputs().size()));
    std::printf("%d outputs, %d failed writes\n", tally.outputs, tally.runs);
}

TEST(WriteFailure, TheSameWithoutUnnamedFilesOrHardLinks) {
    Tally tally;
    for (const Output& out : outputs()) sweep(out, FileSystem::NoUnnamedFilesNorLinks, tally);
    std::printf("%d outputs, %d failed writes\n", tally.outputs, tally.runs);
}

TEST(WriteFailure, WithoutUnnamedFilesOrLinksEveryOutputIsStillWrittenWhole) {
    // The fallback path gives the same bytes as the ordinary one (the workbook and the
    // PDFs carry the time they were made, so those are compared by what they hold).
    const std::string night = kSamples + "/ID12.dat";
    for (const Output& out : outputs()) {
        test::TempDir plain, fallback;
        ASSERT_EQ(test::runCommand("cd " + plain.path() + " && " + out.command(night)).status, 0);
        const auto r = test::runCommand("cd " + fallback.path() + " && " +
                                        diskFull(-1, FileSystem::NoUnnamedFilesNorLinks) + " " + out.command(night));
        ASSERT_EQ(r.status, 0) << out.name << ": " << r.err;
        EXPECT_EQ(entriesOf(fallback.path()), std::vector<std::string>{out.name});
        const std::string name = out.name;
        if (name.ends_with(".txt") || name.ends_with(".csv") || name.ends_with(".png") || name.ends_with(".edf"))
            EXPECT_EQ(test::readFile(fallback.file(out.name)), test::readFile(plain.file(out.name))) << out.name;
        else
            EXPECT_NEAR(test::fileSize(fallback.file(out.name)), test::fileSize(plain.file(out.name)), 64) << out.name;
    }
}

namespace {

// Whether process `pid` is stopped, waiting at most `seconds` for it to stop.
bool stopsWithin(int pid, int seconds) {
    for (int i = 0; i < seconds * 100; ++i) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        std::getline(stat, line);
        const auto close = line.rfind(')');
        if (close != std::string::npos && close + 2 < line.size() && line[close + 2] == 'T') return true;
        if (line.empty()) return false; // it ended
        ::usleep(10000);
    }
    return false;
}

} // namespace

TEST(WriteFailure, AnExportKilledOnTheFallbackPathLeavesOnlyWhatTheNextWriteRemoves) {
    // The export is stopped by the preload once N bytes are written, then killed: what
    // it leaves carries its process ID, and the next write into the directory removes
    // it (and the one of a process that is long gone).
    int moments = 0;
    for (const char* name : {"out.txt", "out.xlsx"}) {
        for (const long long n : {0LL, 1LL, 5000LL, 40000LL, 70000LL}) {
            test::TempDir dir;
            test::writeFile(dir.file(name), "earlier\n");
            const std::string line = "cd " + dir.path() + " && " + diskFull(-1, FileSystem::NoUnnamedFilesNorLinks) +
                                     " KESTROVA_STOP_AFTER=" + std::to_string(n) + " exec " + kCli + " export " +
                                     kSamples + "/ID12.dat " + name + " >/dev/null 2>&1";
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                ::execl("/bin/sh", "sh", "-c", line.c_str(), static_cast<char*>(nullptr));
                ::_exit(127);
            }
            const bool stopped = stopsWithin(pid, 20);
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            ASSERT_TRUE(stopped) << name << " after " << n;
            ++moments;
            const auto left = entriesOf(dir.path());
            const std::string mark = ".kestrova-" + std::to_string(pid) + "-";
            EXPECT_TRUE(std::all_of(left.begin(), left.end(),
                                    [&](const std::string& e) { return e == name || e.starts_with(mark); }))
                << name << " after " << n;
            EXPECT_EQ(test::readFile(dir.file(name)), "earlier\n");

            test::writeFile(dir.file(".kestrova-999999999-abcdefghij.tmp"), "left by a writer long gone");
            const auto r =
                test::runCommand("cd " + dir.path() + " && " + diskFull(-1, FileSystem::NoUnnamedFilesNorLinks) + " " +
                                 kCli + " export " + kSamples + "/ID3.dat " + name);
            ASSERT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(entriesOf(dir.path()), std::vector<std::string>{name}) << name << " after " << n;
        }
    }
    std::printf("%d moments\n", moments);
}

TEST(WriteFailure, ALiveWritersTemporaryIsLeftAlone) {
    test::TempDir dir;
    const std::string mine = AtomicFile::temporaryName(dir.path());
    test::writeFile(mine, "in progress");
    test::writeFile(dir.file(".kestrova-1-x.tmp"), "init's own, still running");
    ASSERT_TRUE(writeFileAtomically(dir.file("out.txt"), "next\n").ok());
    const auto left = entriesOf(dir.path());
    EXPECT_EQ(left, (std::vector<std::string>{".kestrova-1-x.tmp", mine.substr(dir.path().size() + 1), "out.txt"}));
    // Not touched for over a minute: whoever runs under that number now, it is stale.
    const std::string old = dir.file(".kestrova-1-y.tmp");
    test::writeFile(old, "old");
    const struct timespec times[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 120, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, old.c_str(), times, 0), 0);
    EXPECT_EQ(AtomicFile::removeStaleTemporaries(dir.path()), 1);
    EXPECT_EQ(test::fileSize(old), -1);
    EXPECT_EQ(test::fileSize(mine), 11);
}
