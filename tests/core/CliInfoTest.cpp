#include "files/DataFile.h"
#include "files/PatientDatabase.h"

#include "TestSupport.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace kestrova;

TEST(CliInfo, PrintsTheBundledSample) {
    test::TempDir home;
    const auto r =
        test::runCommand(std::string(KESTROVA_CLI) + " info " + SAMPLES_DIR + "/ID3.dat --home " + home.path());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 6), "ID: 3\n");
    EXPECT_NE(r.out.find("\nSamples: 7200\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nCadence: one reading a second\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nTitle: ReportTitle\n"), std::string::npos);
    EXPECT_NE(r.out.find("\nStart: 2026/11/30 22:30:00\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nEnd: 2026/12/01 00:29:59\n"), std::string::npos) << r.out;
}

TEST(CliInfo, ShowsThePatientFromTheDatabaseGivenByHome) {
    test::TempDir home;
    PatientRecord p;
    p.id = 3;
    std::strcpy(p.name, "Ana Lima");
    ASSERT_TRUE(PatientDatabase(home.path() + "/").storePatientRecord(3, p));
    const auto r = test::runCommand(std::string("KESTROVA_HOME=") + home.path() + " " + KESTROVA_CLI + " info " +
                                    SAMPLES_DIR + "/ID3.dat");
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\nName: Ana Lima\n"), std::string::npos) << r.out;
}

TEST(CliInfo, BadFilesExitWithStatusOneAndTheMessage) {
    test::TempDir dir;
    const std::string path = dir.file("cut.dat");
    test::writeFile(path, encodeDataFile(1, {}, "ReportTitle").substr(0, 9));
    auto r = test::runCommand(std::string(KESTROVA_CLI) + " info " + path + " --home " + dir.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Attempted to access " + path + " past its end.\n");

    r = test::runCommand(std::string(KESTROVA_CLI) + " info " + dir.file("none.dat") + " --home " + dir.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "can't open the file: " + dir.file("none.dat") + ": No such file or directory\n");
}
