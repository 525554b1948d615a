// Files are never clobbered, half-written or left behind, and stored details are never
// blanked: the writer, the download store, the patient database and the command line.
#include "files/AtomicFile.h"
#include "files/DataFile.h"
#include "files/DownloadStore.h"
#include "files/PatientDatabase.h"
#include "files/SaveData.h"
#include "model/RecordingModel.h"

#include "TestSupport.h"

#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kestrova;

namespace {
mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}
std::string cli(const test::TempDir& dir, const std::string& args) {
    return "cd " + dir.path() + " && " + KESTROVA_CLI + " " + args + " --home " + dir.path();
}
} // namespace

TEST(AtomicFile, WriteProtectedFilesAreRefusedAndModesKept) {
    test::TempDir dir;
    const std::string locked = dir.file("locked.dat");
    test::writeFile(locked, "keep me");
    ::chmod(locked.c_str(), 0444);
    const WriteStatus refused = writeFileAtomically(locked, "new");
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().text(), locked + ": Permission denied");
    EXPECT_EQ(test::readFile(locked), "keep me");
    EXPECT_EQ(modeOf(locked), 0444u);

    const std::string shared = dir.file("shared.txt");
    test::writeFile(shared, "old");
    ::chmod(shared.c_str(), 0640);
    ASSERT_TRUE(writeFileAtomically(shared, "new").ok());
    EXPECT_EQ(test::readFile(shared), "new");
    EXPECT_EQ(modeOf(shared), 0640u);

    EXPECT_EQ(writeFileAtomically(dir.path(), "x").error().text(), dir.path() + ": Is a directory");
}

TEST(AtomicFile, NewFilesAndTheDataDirectoryAreForTheUserAlone) {
    // The usual umask would leave them readable by everyone.
    const mode_t umaskBefore = ::umask(022);
    test::TempDir dir;
    const std::string created = dir.file("new.txt");
    ASSERT_TRUE(writeFileAtomically(created, "new").ok());
    EXPECT_EQ(modeOf(created), 0600u);
    // An existing file keeps the mode its owner gave it, on every path a write takes.
    ::chmod(created.c_str(), 0644);
    ASSERT_TRUE(writeFileAtomically(created, "newer").ok());
    EXPECT_EQ(modeOf(created), 0644u);

    // The patient database and the program directory it lies in, however it is made.
    const std::string home = dir.file("home/kestrova/");
    const PatientDatabase stored(home);
    PatientRecord r;
    std::strcpy(r.name, "Ana Lima");
    ASSERT_TRUE(stored.storePatientRecord(3, r));
    EXPECT_EQ(modeOf(dir.file("home")), 0700u);
    EXPECT_EQ(modeOf(home), 0700u);
    EXPECT_EQ(modeOf(home + "bldb"), 0700u);
    EXPECT_EQ(modeOf(home + "bldb/pationtrec.dat"), 0600u);
    const std::string other = dir.file("other/");
    EXPECT_FALSE(PatientDatabase(other).ensurePatientDatabase());
    EXPECT_EQ(modeOf(other), 0700u);
    EXPECT_EQ(modeOf(other + "bldb/pationtrec.dat"), 0600u);

    // Every export of the command line, written into a directory of its own.
    for (const char* name : {"out.txt", "out.csv", "out.edf", "out.xlsx", "report.txt"}) {
        const bool report = std::string_view(name) == "report.txt";
        const auto run =
            test::runCommand(cli(dir, std::string(report ? "report " : "export ") + SAMPLES_DIR + "/ID3.dat " + name));
        ASSERT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_EQ(modeOf(dir.file(name)), 0600u) << name;
    }
    ::umask(umaskBefore);
}

TEST(AtomicFile, NothingIsVisibleBeforeCommitAndCreateNewNeverReplaces) {
    test::TempDir dir;
    {
        AtomicFile f(dir.file("out.txt"));
        ASSERT_TRUE(f.isOpen());
        f.write(std::string(1 << 20, 'x'));
        // Killed here, the program would leave nothing: the data has no name yet.
        EXPECT_EQ(test::runCommand("ls -A " + dir.path()).out, "");
        ASSERT_TRUE(f.commit());
    }
    EXPECT_EQ(test::fileSize(dir.file("out.txt")), 1 << 20);
    EXPECT_EQ(test::runCommand("ls -A " + dir.path()).out, "out.txt\n");

    const WriteStatus taken = writeFileAtomically(dir.file("out.txt"), "y", AtomicFile::Mode::CreateNew);
    EXPECT_FALSE(taken.ok());
    EXPECT_EQ(taken.error().errorNumber, EEXIST);
    EXPECT_EQ(test::fileSize(dir.file("out.txt")), 1 << 20);
}

TEST(DownloadStore, ANewNightNeverReplacesAnEarlierOne) {
    test::TempDir dir;
    auto night1 = test::night(9, 600);
    for (auto& s : night1) s.id = 9;
    auto night2 = night1;
    night2.resize(300);
    night2[0].spo2 = 77;
    const auto first = saveDownloadedRecording(dir.path(), 9, night1, true, false);
    ASSERT_TRUE(first.status.ok()) << first.status.error().text();
    EXPECT_EQ(first.path, dir.file("ID9.dat"));
    const std::string bytes = test::readFile(first.path);
    // The same recording again: the same file, untouched.
    EXPECT_EQ(saveDownloadedRecording(dir.path(), 9, night1, true, false).path, dir.file("ID9.dat"));

    const SampleRecord& s0 = night2[0];
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "ID9-%04d%02d%02d-%02d%02d%02d", 2000 + s0.year, s0.month, s0.day, s0.hour,
                  s0.minute, s0.second);
    EXPECT_EQ(saveDownloadedRecording(dir.path(), 9, night2, true, false).path, dir.file(std::string(stamp) + ".dat"));
    night2[1].spo2 = 78;
    EXPECT_EQ(saveDownloadedRecording(dir.path(), 9, night2, true, false).path,
              dir.file(std::string(stamp) + "-2.dat"));
    EXPECT_EQ(test::readFile(dir.file("ID9.dat")), bytes);

    const auto partial = saveDownloadedRecording(dir.path(), 9, night2, false, false);
    EXPECT_EQ(partial.path, dir.file("ID9.partial.dat"));
    EXPECT_EQ(test::readFile(dir.file("ID9.dat")), bytes);

    ASSERT_TRUE(saveDownloadedRecording(dir.path(), 9, night2, true, true).status.ok());
    EXPECT_EQ(readDataFile(dir.file("ID9.dat"))->samples.size(), 300u);
}

TEST(PatientDatabase, AFifoInItsPlaceNeitherBlocksNorIsWritten) {
    test::TempDir dir;
    ASSERT_EQ(::mkdir(dir.file("bldb").c_str(), 0700), 0);
    ASSERT_EQ(::mkfifo(dir.file("bldb/pationtrec.dat").c_str(), 0600), 0);
    const PatientDatabase db(dir.path() + "/");
    EXPECT_NE(db.problem().error().text().find("not a regular file"), std::string::npos) << db.problem().error().text();
    PatientRecord r;
    std::strcpy(r.name, "left over");
    db.loadPatientRecord(4, r);
    EXPECT_EQ(r.id, 5);
    EXPECT_EQ(r.name[0], '\0');
    EXPECT_FALSE(db.storePatientRecord(5, r));
    EXPECT_FALSE(db.ensurePatientDatabase());
    const auto info = test::runCommand(cli(dir, std::string("info ") + SAMPLES_DIR + "/ID3.dat"));
    EXPECT_EQ(info.status, 0);
    EXPECT_NE(info.err.find("not a regular file"), std::string::npos) << info.err;
}

TEST(DataFile, SavingABlankPatientKeepsTheStoredDetails) {
    test::TempDir dir;
    const PatientDatabase db(dir.path() + "/");
    PatientRecord stored;
    stored.id = 9;
    std::strcpy(stored.name, "Ana Lima");
    stored.age = 61;
    ASSERT_TRUE(db.storePatientRecord(9, stored));

    RecordingModel m;
    auto samples = test::night(9, 30);
    for (auto& s : samples) s.id = 9;
    m.replaceCurrent(std::move(samples));
    m.setCurrentPatient(PatientRecord{.id = 9}); // a fresh download shows no details
    EXPECT_TRUE(finishSaveData(m, db));
    PatientRecord back;
    db.loadPatientRecord(8, back);
    EXPECT_EQ(std::memcmp(&back, &stored, PatientRecord::kSize), 0);
    EXPECT_FALSE(m.patientInfoSaved(9));

    m.setCurrentPatient(PatientRecord{.id = 9, .age = 62}); // details entered: stored
    EXPECT_TRUE(finishSaveData(m, db));
    db.loadPatientRecord(8, back);
    EXPECT_EQ(back.age, 62);
    EXPECT_TRUE(m.patientInfoSaved(9));
}

TEST(Cli, UsageErrorsAndUnsafeTextAndPageRanges) {
    test::TempDir dir;
    const std::string sample = std::string(SAMPLES_DIR) + "/ID3.dat";
    for (const std::string& args :
         std::vector<std::string>{"info --bogus " + sample, "info", "frobnicate", "render " + sample}) {
        const auto r = test::runCommand(std::string(KESTROVA_CLI) + " " + args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find("--help"), std::string::npos) << r.err;
    }
    EXPECT_EQ(test::runCommand(std::string(KESTROVA_CLI) + " --help").status, 0);

    // A title that would retitle the terminal is shown escaped.
    std::vector<SampleRecord> one(1);
    one[0].id = 3;
    ASSERT_TRUE(writeDataFile(dir.file("esc.dat"), 3, one, "\x1b]0;owned\x07 night").ok());
    const auto info = test::runCommand(cli(dir, "info esc.dat"));
    EXPECT_NE(info.out.find("Title: \\x1b]0;owned\\x07 night\n"), std::string::npos) << info.out;
    EXPECT_EQ(info.out.find('\x1b'), std::string::npos);

    const auto page = test::runCommand(cli(dir, "render " + sample + " p.png --page -1"));
    EXPECT_EQ(page.status, 1);
    EXPECT_EQ(page.err, "page -1 does not exist (0\u20136)\n");
    EXPECT_EQ(test::runCommand(cli(dir, "render " + sample + " p.png --size 20000x100")).status, 1);
    EXPECT_EQ(test::runCommand(cli(dir, "render " + sample + " p.pdf --size 800x600")).status, 1);
    EXPECT_EQ(test::runCommand("ls -A " + dir.path()).out, "esc.dat\n");

    // Trend spans: the page count follows the span; --start must lie in the recording.
    const auto whole = test::runCommand(cli(dir, "render " + sample + " w.png --span 518400 --page 1"));
    EXPECT_EQ(whole.status, 1);
    EXPECT_EQ(whole.err, "page 1 does not exist (0\u20130)\n");
    EXPECT_EQ(test::runCommand(cli(dir, "render " + sample + " w.png --span 3600")).status, 0);
    EXPECT_EQ(test::runCommand(cli(dir, "render " + sample + " t.png --view table --span 600")).status, 2);
    EXPECT_EQ(test::runCommand(cli(dir, "render " + sample + " s.png --start 23:00:00")).status, 2); // needs --span
    const auto outside = test::runCommand(cli(dir, "render " + sample + " s.png --span 600 --start 12:00:00"));
    EXPECT_EQ(outside.status, 1);
    EXPECT_NE(outside.err.find("is not within the recording"), std::string::npos) << outside.err;
    EXPECT_EQ(test::runCommand("ls -A " + dir.path()).out, "esc.dat\nw.png\n");
}
