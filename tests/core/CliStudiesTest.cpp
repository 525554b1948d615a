// kestrova-cli studies: import, list, show, export and delete against a library of
// the test's own (--library), as a user runs them.
#include "files/DataFile.h"
#include "files/PatientDatabase.h"
#include "library/StudyLibrary.h"

#include "TestSupport.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

using namespace kestrova;

namespace {

std::string cli(const test::TempDir& dir, const std::string& args) {
    return std::string(KESTROVA_CLI) + " studies " + args + " --library " + dir.file("lib");
}

} // namespace

TEST(CliStudies, ImportListShowExportDelete) {
    test::TempDir dir;
    test::runCommand("mkdir " + dir.file("in") + " " + dir.file("home"));
    PatientRecord jane;
    jane.id = 3;
    std::strcpy(jane.name, "Jane Doe");
    ASSERT_TRUE(PatientDatabase(dir.file("home/")).storePatientRecord(3, jane));
    ASSERT_TRUE(writeDataFile(dir.file("in/a.dat"), 3, test::night(3, 1800), "First"));
    ASSERT_TRUE(writeDataFile(dir.file("in/b.DAT"), 5, test::night(5, 1200), "Second"));
    test::writeFile(dir.file("in/notes.txt"), "not a recording");

    auto r = test::runCommand(cli(dir, "import " + dir.file("in") + " --home " + dir.file("home")));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, dir.file("in/a.dat") + ": study 1\n" + dir.file("in/b.DAT") + ": study 2\n");

    // The same samples under another name and title: skipped, and said so.
    ASSERT_TRUE(writeDataFile(dir.file("copy.dat"), 3, test::night(3, 1800), "Renamed"));
    test::writeFile(dir.file("cut.dat"), encodeDataFile(3, test::night(3, 10), "x").substr(0, 30));
    r = test::runCommand(cli(dir, "import " + dir.file("copy.dat") + " " + dir.file("cut.dat")));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, dir.file("copy.dat") + ": skipped: already in the library as study 1\n");
    EXPECT_NE(r.err.find(dir.file("cut.dat")), std::string::npos) << r.err;

    r = test::runCommand(cli(dir, "list"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Jane Doe?"), std::string::npos) << r.out; // proposed, not confirmed
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);

    r = test::runCommand(cli(dir, "list --json --patient jane"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.front(), '[');
    EXPECT_NE(r.out.find("\"study\": 1, \"patientId\": 3, \"name\": \"Jane Doe\""), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("\"study\": 2"), std::string::npos) << r.out;
    EXPECT_EQ(test::runCommand(cli(dir, "list --json --patient nobody")).out, "[]\n");

    r = test::runCommand(cli(dir, "show 2"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\nID: 5\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nTitle: Second\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nSamples: 1200\n"), std::string::npos) << r.out;

    // The export command's output for the same recording.
    for (const char* ext : {"csv", "txt", "edf"}) {
        const std::string mine = dir.file(std::string("study.") + ext), theirs = dir.file(std::string("file.") + ext);
        r = test::runCommand(cli(dir, "export 2 " + mine));
        ASSERT_EQ(r.status, 0) << r.err;
        ASSERT_EQ(test::runCommand(std::string(KESTROVA_CLI) + " export " + dir.file("in/b.DAT") + " " + theirs +
                                   " --home " + dir.file("home"))
                      .status,
                  0);
        EXPECT_EQ(test::readFile(mine), test::readFile(theirs)) << ext;
    }
    r = test::runCommand(cli(dir, "export 2 " + dir.file("study.pdf")));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("must end in"), std::string::npos);

    r = test::runCommand(cli(dir, "delete 1"));
    ASSERT_EQ(r.status, 0) << r.err;
    r = test::runCommand(cli(dir, "show 1"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("no study 1 in the library"), std::string::npos) << r.err;
    EXPECT_EQ(test::runCommand("ls " + dir.file("lib/trash") + " | wc -l").out, "1\n");
    EXPECT_EQ(test::runCommand(cli(dir, "show one")).status, 2);
}

TEST(CliStudies, ALibraryThatIsNotOursIsNamedAndLeftAlone) {
    test::TempDir dir;
    test::runCommand("mkdir " + dir.file("lib"));
    test::writeFile(dir.file("lib/studies.sqlite"), "SQLite format 3 or so, but not really");
    const auto r = test::runCommand(cli(dir, "list"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, dir.file("lib/studies.sqlite") + ": not a Kestrova study library\n");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(test::readFile(dir.file("lib/studies.sqlite")), "SQLite format 3 or so, but not really");
}

TEST(CliStudies, WithoutLibraryOptionTheLibraryLivesUnderKestrovaHome) {
    test::TempDir dir;
    ASSERT_TRUE(writeDataFile(dir.file("a.dat"), 2, test::night(2, 600), "T"));
    const std::string env = "KESTROVA_HOME=" + dir.file("home") + " ";
    auto r = test::runCommand(env + KESTROVA_CLI + " studies import " + dir.file("a.dat"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_GT(test::fileSize(dir.file("home/library/studies.sqlite")), 0);
    r = test::runCommand(env + KESTROVA_CLI + " studies list --json");
    EXPECT_NE(r.out.find("\"samples\": 600"), std::string::npos) << r.out;
}
