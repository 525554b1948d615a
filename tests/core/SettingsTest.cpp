#include "settings/Settings.h"

#include "TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kestrova;
using test::readFile;
using test::writeFile;

TEST(Settings, MissingFileGivesEveryDefault) {
    test::TempDir dir;
    const Settings s(dir.file("Kestrova.ini"));
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
    EXPECT_EQ(s.read(setting::PrHigh), 15);          // not a number: 0, then clamped to 15..300
    EXPECT_EQ(s.read(setting::PrLow), 72);           // leading digits count
    EXPECT_EQ(s.read(setting::SaturationsLow), 40);  // -5 clamped to 40..100
    EXPECT_EQ(s.read(setting::SaturationsHigh), 94); // a comment is not a key
    EXPECT_EQ(s.defaultCom(), "ttyUSB012");          // nine characters at most
}

TEST(Settings, ExtremeValuesAreClampedToTheirRanges) {
    test::TempDir dir;
    const std::string path = dir.file("k.ini");
    writeFile(path, "[setup]\nDesaturationsEvent=-2147483648\nPulseEvent=2147483647\nSaturationsHigh=101\n"
                    "PrLow=14\nUnitSetup=-7\n");
    const Settings s(path);
    EXPECT_EQ(s.read(setting::DesaturationsEvent), 1);
    EXPECT_EQ(s.read(setting::PulseEvent), 20);
    EXPECT_EQ(s.read(setting::SaturationsHigh), 100);
    EXPECT_EQ(s.read(setting::PrLow), 15);
    EXPECT_EQ(s.read(setting::UnitSetup), -7); // only zero or not zero matters
}

TEST(Settings, AFileThatCannotBeReadIsNeverRewritten) {
    test::TempDir dir;
    // A directory and a FIFO in the settings file's place: reading gives the defaults
    // without blocking, writing fails with the reason and leaves them alone.
    const std::string asDir = dir.file("dir.ini");
    ASSERT_EQ(::mkdir(asDir.c_str(), 0700), 0);
    const Settings d(asDir);
    EXPECT_EQ(d.read(setting::PrHigh), 150);
    const WriteStatus w = d.setDefaultCom("ttyUSB0");
    EXPECT_FALSE(w.ok());
    EXPECT_NE(w.error().text().find(asDir), std::string::npos) << w.error().text();

    const std::string fifo = dir.file("fifo.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const Settings f(fifo);
    EXPECT_EQ(f.read(setting::PrLow), 60);
    EXPECT_FALSE(f.setDefaultCom("ttyUSB0").ok());
    struct stat st {};
    ASSERT_EQ(::stat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    // An unreadable settings file (as another user meets it) keeps every key.
    if (::geteuid() != 0) {
        const std::string locked = dir.file("locked.ini");
        writeFile(locked, "[setup]\nPrHigh=140\n[other]\nx=1\n");
        ::chmod(locked.c_str(), 0200);
        EXPECT_FALSE(Settings(locked).setDefaultCom("ttyUSB0").ok());
        ::chmod(locked.c_str(), 0600);
        EXPECT_EQ(test::readFile(locked), "[setup]\nPrHigh=140\n[other]\nx=1\n");
    }
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

TEST(Settings, TheFileIsChosenOnceByItsRule) {
    test::TempDir a, b, home, config;
    setenv("XDG_DATA_HOME", home.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    // --settings wins, relative to the working directory.
    EXPECT_EQ(Settings::locate("sub/mine.ini", false, a.path()), a.path() + "/sub/mine.ini");
    // No file in the working directory: there it will be, unless the start is per user.
    EXPECT_EQ(Settings::locate({}, false, a.path()), a.file("Kestrova.ini"));
    EXPECT_EQ(Settings::locate({}, true, a.path()), config.path() + "/kestrova/Kestrova.ini");
    // Settings an earlier version kept in the data directory stay in use until the
    // configuration directory has a file of its own.
    std::filesystem::create_directories(home.path() + "/kestrova");
    test::writeFile(home.path() + "/kestrova/Kestrova.ini", "[Setting]\n");
    EXPECT_EQ(Settings::locate({}, true, a.path()), home.path() + "/kestrova/Kestrova.ini");
    // Finding the file made nothing; its first write makes the folder, for its user alone.
    EXPECT_FALSE(std::filesystem::exists(config.path() + "/kestrova"));
    ASSERT_TRUE(Settings(config.path() + "/kestrova/Kestrova.ini").setLanguage("de"));
    EXPECT_EQ(std::filesystem::status(config.path() + "/kestrova").permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
    EXPECT_EQ(Settings::locate({}, true, a.path()), config.path() + "/kestrova/Kestrova.ini");
    EXPECT_EQ(Settings(config.path() + "/kestrova/Kestrova.ini").language(), "de");
    // The working directory's file, once it exists, wins over the per-user one.
    const Settings first(Settings::locate({}, false, a.path()));
    ASSERT_TRUE(first.write(setting::PrHigh, 120));
    EXPECT_EQ(Settings::locate({}, true, a.path()), a.file("Kestrova.ini"));
    EXPECT_EQ(Settings(Settings::locate({}, false, a.path())).read(setting::PrHigh), 120);
    EXPECT_EQ(Settings(Settings::locate({}, false, b.path())).read(setting::PrHigh), 150);
    unsetenv("XDG_DATA_HOME");
    unsetenv("XDG_CONFIG_HOME");
}

TEST(Settings, AnUnwritableFileIsReportedAndLeftAlone) {
    const Settings s("/nonexistent-dir/k.ini");
    EXPECT_FALSE(s.write(setting::PrHigh, 1));
    EXPECT_EQ(s.read(setting::PrHigh), 150);
}
