#include "settings/Settings.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace kestrova;
using test::readFile;
using test::writeFile;

TEST(Settings, MissingFileGivesEveryDefault) {
    test::TempDir dir;
    test::WorkingDirectory cwd(dir.path());
    const Settings s;
    EXPECT_EQ(s.read(setting::SaturationsHigh), 94);
    EXPECT_EQ(s.read(setting::SaturationsLow), 88);
    EXPECT_EQ(s.read(setting::PrHigh), 150);
    EXPECT_EQ(s.read(setting::PrLow), 60);
    EXPECT_EQ(s.read(setting::DesaturationsEvent), 4);
    EXPECT_EQ(s.read(setting::PulseEvent), 6);
    EXPECT_EQ(s.read(setting::UnitSetup), 0);
    EXPECT_EQ(s.defaultCom(), "");
}

TEST(Settings, ReadsLikeThePrivateProfileFunctions) {
    test::TempDir dir;
    const std::string path = dir.file("k.ini");
    writeFile(path, "[other]\r\nPrHigh=99\r\n[Setup]\r\n  prhigh = abc \r\nPrLow=72bpm\r\nSaturationsLow=-5\r\n"
                    "DefaultCOM=ttyUSB0123456\r\n;SaturationsHigh=50\r\n");
    const Settings s(path);
    EXPECT_EQ(s.read(setting::PrHigh), 0);          // present but not a number
    EXPECT_EQ(s.read(setting::PrLow), 72);          // leading digits count
    EXPECT_EQ(s.read(setting::SaturationsLow), -5);
    EXPECT_EQ(s.read(setting::SaturationsHigh), 94); // a comment is not a key
    EXPECT_EQ(s.defaultCom(), "ttyUSB012");          // nine characters at most
}

TEST(Settings, WritingAKeyLeavesEverythingElseInPlace) {
    test::TempDir dir;
    const std::string path = dir.file("k.ini");
    const std::string before = "; written by hand\n[window]\nx=10\n\n[setup]\nPrLow=55\n; keep me\nPrHigh=140\n\n"
                               "[zeta]\nPrLow=1\n";
    writeFile(path, before);
    const Settings s(path);
    ASSERT_TRUE(s.write(setting::PrLow, 50));
    ASSERT_TRUE(s.write(setting::UnitSetup, 1));
    EXPECT_EQ(readFile(path), "; written by hand\n[window]\nx=10\n\n[setup]\nPrLow=50\n; keep me\nPrHigh=140\n"
                              "UnitSetup=1\n\n[zeta]\nPrLow=1\n");
    EXPECT_EQ(s.read(setting::PrLow), 50);
    EXPECT_EQ(s.read(setting::UnitSetup), 1);
}

TEST(Settings, FirstWriteCreatesFileAndSectionAndKeepsWindowsLineEnds) {
    test::TempDir dir;
    const Settings fresh(dir.file("new.ini"));
    ASSERT_TRUE(fresh.setDefaultCom("ttyACM0"));
    EXPECT_EQ(readFile(dir.file("new.ini")), "[setup]\nDefaultCOM=ttyACM0\n");

    writeFile(dir.file("win.ini"), "[other]\r\na=1\r\n");
    const Settings win(dir.file("win.ini"));
    ASSERT_TRUE(win.write(setting::PulseEvent, 8));
    EXPECT_EQ(readFile(dir.file("win.ini")), "[other]\r\na=1\r\n[setup]\r\nPulseEvent=8\r\n");
}

TEST(Settings, TheFileIsRelativeToTheWorkingDirectory) {
    test::TempDir a, b;
    {
        test::WorkingDirectory cwd(a.path());
        Settings().write(setting::PrHigh, 120);
    }
    test::WorkingDirectory cwd(b.path());
    EXPECT_EQ(Settings().read(setting::PrHigh), 150);
    EXPECT_EQ(test::fileSize(a.file("Kestrova.ini")) > 0, true);
}

TEST(Settings, AnUnwritableFileIsReportedAndLeftAlone) {
    const Settings s("/nonexistent-dir/k.ini");
    EXPECT_FALSE(s.write(setting::PrHigh, 1));
    EXPECT_EQ(s.read(setting::PrHigh), 150);
}
