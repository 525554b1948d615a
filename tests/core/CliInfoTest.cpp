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

// What info says about a file from another oximeter's app: its layout and what the
// reader settled on its own.
TEST(CliInfo, NamesTheLayoutAndTheNotesOfAForeignFile) {
    test::TempDir dir;
    const std::string path = dir.file("ring.csv");
    test::writeFile(path, "Time,SpO2(%),Pulse Rate(bpm),Motion,\r\n\"11:20:29PM Jun 19, 2026\",95,62,0,\r\n"
                          "\"11:20:33PM Jun 19, 2026\",--,--,0,\r\n\"11:20:37PM Jun 19, 2026\",94,61,0,\r\n"
                          "\"10:20:41PM Jun 19, 2026\",93,60,0,\r\n");
    const auto r = test::runCommand(std::string(KESTROVA_CLI) + " info " + path + " --home " + dir.path());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\nStart: 2026/06/19 23:20:29\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nLayout: CSV separated by commas, CR LF lines; date and time \"Time\" (month names, "
                         "12-hour clock); SpO2 \"SpO2(%)\", pulse \"Pulse Rate(bpm)\"\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\nNote: clock set back at line 5 by 3600 s\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nNote: 2 missing-value markers read as artefact\n"), std::string::npos) << r.out;
}

TEST(CliInfo, PrintsYearsPast2099InFull) {
    test::TempDir dir;
    auto night = test::night(2, 10);
    for (auto& s : night) s.year = 255;
    ASSERT_TRUE(writeDataFile(dir.file("late.dat"), 2, night, "Late"));
    const auto r =
        test::runCommand(std::string(KESTROVA_CLI) + " info " + dir.file("late.dat") + " --home " + dir.path());
    ASSERT_EQ(r.status, 0) << r.err;
    char start[64];
    std::snprintf(start, sizeof start, "\nStart: 2255/%02d/%02d %02d:%02d:%02d\n", night[0].month, night[0].day,
                  night[0].hour, night[0].minute, night[0].second);
    EXPECT_NE(r.out.find(start), std::string::npos) << r.out;
}
