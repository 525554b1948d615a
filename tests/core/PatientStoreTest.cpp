// Storing patient records where it can go wrong: two programs creating the database
// at the same moment, a disk that takes no more, a file the user may not write.
#include "files/PatientDatabase.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kestrova;

namespace {

PatientRecord patient(int id, const char* name) {
    PatientRecord r;
    r.id = id;
    std::strncpy(r.name, name, sizeof r.name - 1);
    r.age = 40 + id;
    return r;
}

// Runs `body` in a child process; its exit status (a body's true: 0).
template <class F> int inChild(F body) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(body() ? 0 : 1);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(PatientStore, TwoWritersCreatingTheDatabaseTogetherBothKeepTheirRecord) {
    int rounds = 0;
    for (int round = 0; round < 40; ++round) {
        test::TempDir dir;
        const std::string programDir = dir.path() + "/";
        // Both wait at the same pipe, so they start storing at one moment.
        int gate[2];
        ASSERT_EQ(::pipe(gate), 0);
        pid_t writers[2];
        for (int w = 0; w < 2; ++w) {
            writers[w] = ::fork();
            ASSERT_GE(writers[w], 0);
            if (writers[w] == 0) {
                ::close(gate[1]);
                char c;
                (void)!::read(gate[0], &c, 1);
                const PatientDatabase db(programDir);
                const int id = 5 + w * 60;
                ::_exit(db.storePatientRecord(id, patient(id, w ? "Second" : "First")).ok() ? 0 : 1);
            }
        }
        ::close(gate[0]);
        ::close(gate[1]); // both see the end of the pipe at once
        for (const pid_t pid : writers) {
            int status = -1;
            ::waitpid(pid, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
        }
        const PatientDatabase db(programDir);
        PatientRecord first, second;
        db.loadPatientRecord(4, first);
        db.loadPatientRecord(64, second);
        EXPECT_STREQ(first.name, "First") << "round " << round;
        EXPECT_STREQ(second.name, "Second") << "round " << round;
        EXPECT_EQ(test::fileSize(db.path()), PatientDatabase::kCreatedSize);
        EXPECT_EQ(test::runCommand("ls -A " + dir.path() + "/bldb").out, "pationtrec.dat\n");
        ++rounds;
    }
    EXPECT_EQ(rounds, 40);
}

TEST(PatientStore, AStoreThatCannotBeWrittenSaysWhyAndLeavesNoHalfDatabase) {
    test::TempDir dir;
    const std::string programDir = dir.path() + "/";
    const PatientDatabase db(programDir);
    // A process that may write files of at most 4 KiB: the new database (36 KiB) does
    // not fit, and nothing of it appears.
    const int tooSmall = inChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const Outcome stored = db.storePatientRecord(3, patient(3, "Lost"));
        return !stored.ok() && stored.error().text() == db.path() + ": " + std::strerror(EFBIG);
    });
    EXPECT_EQ(tooSmall, 0);
    EXPECT_EQ(test::fileSize(db.path()), -1);
    EXPECT_EQ(test::runCommand("ls -A " + dir.path() + "/bldb").out, "");

    // An existing database: a record beyond what may be written fails, the others stay.
    ASSERT_TRUE(db.storePatientRecord(1, patient(1, "Kept")).ok());
    const std::string before = test::readFile(db.path());
    const int beyond = inChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return !db.storePatientRecord(100, patient(100, "Lost")).ok();
    });
    EXPECT_EQ(beyond, 0);
    EXPECT_EQ(test::readFile(db.path()), before);

    // A directory where the database should be is named as what is wrong, not "exists".
    test::TempDir other;
    ASSERT_EQ(::mkdir((other.path() + "/bldb").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((other.path() + "/bldb/pationtrec.dat").c_str(), 0755), 0);
    const Outcome inDir = PatientDatabase(other.path() + "/").storePatientRecord(2, patient(2, "X"));
    ASSERT_FALSE(inDir.ok());
    EXPECT_EQ(inDir.error().text().find("File exists"), std::string::npos) << inDir.error().text();

    // Write-protected, for an ordinary user (root writes it anyway).
    if (::geteuid() != 0) {
        ::chmod(db.path().c_str(), 0444);
        const Outcome refused = db.storePatientRecord(2, patient(2, "Refused"));
        ASSERT_FALSE(refused.ok());
        EXPECT_EQ(refused.error().text(), db.path() + ": " + std::strerror(EACCES));
        ::chmod(db.path().c_str(), 0644);
        EXPECT_EQ(test::readFile(db.path()), before);
    }
}
