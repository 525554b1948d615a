// The settings file as users meet it: one that changes under the program, one too
// large or not a file at all (reported once, never rewritten, the defaults used), and
// a symbolic link to a shared one (written through, still a link).
#include "files/AtomicFile.h"
#include "settings/Settings.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

using namespace kestrova;

namespace {

const std::string kCli = KESTROVA_CLI;
const std::string kSamples = SAMPLES_DIR;

bool isLink(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

int lineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

TEST(SettingsFile, AChangedFileIsReadAgainAndEveryKeyComesFromOneReading) {
    test::TempDir dir;
    const std::string path = dir.file("Kestrova.ini");
    test::writeFile(path, "[setup]\r\nSaturationsLow=80\r\nPrHigh=140\r\n[recent]\r\nFile1=/a.dat\r\n");
    const Settings settings(path);
    EXPECT_EQ(settings.read(setting::SaturationsLow), 80);
    EXPECT_EQ(settings.read(setting::PrHigh), 140);
    EXPECT_EQ(settings.recentFiles(), std::vector<std::string>{"/a.dat"});

    // Another program rewrites it in place, same size: the new values count.
    test::writeFile(path, "[setup]\r\nSaturationsLow=81\r\nPrHigh=141\r\n[recent]\r\nFile1=/b.dat\r\n");
    EXPECT_EQ(settings.read(setting::SaturationsLow), 81);
    EXPECT_EQ(settings.recentFiles(), std::vector<std::string>{"/b.dat"});
    // A copy of the object and the object itself see each other's writes.
    const Settings copy = settings;
    ASSERT_TRUE(copy.write(setting::PrHigh, 120).ok());
    EXPECT_EQ(settings.read(setting::PrHigh), 120);
    ASSERT_TRUE(settings.write(setting::PrHigh, 121).ok());
    EXPECT_EQ(copy.read(setting::PrHigh), 121);
    // Keys repeated in a later block of the section: the first one counts, as before.
    test::writeFile(path, "[Setup]\nprhigh=99\n[other]\nPrHigh=1\n[setup]\nPrHigh=98\nPrLow=70\n");
    EXPECT_EQ(settings.read(setting::PrHigh), 99);
    EXPECT_EQ(settings.read(setting::PrLow), 70);
    EXPECT_TRUE(settings.problem().ok());
    ::unlink(path.c_str());
    EXPECT_EQ(settings.read(setting::PrHigh), setting::PrHigh.defaultValue);
    EXPECT_TRUE(settings.problem().ok()); // missing is no problem: the first write makes it
}

TEST(SettingsFile, AFileThatCannotBeReadIsReportedAndNeverRewritten) {
    test::TempDir dir;
    // Just at the limit: read. One byte more: refused.
    const std::string head = "[setup]\nSaturationsLow=80\n";
    const std::string atLimit = head + std::string(IniFile::kMaxBytes - head.size(), '\n');
    const std::string path = dir.file("Kestrova.ini");
    test::writeFile(path, atLimit);
    const Settings settings(path);
    EXPECT_EQ(settings.read(setting::SaturationsLow), 80);
    EXPECT_TRUE(settings.problem().ok());

    const std::string tooLarge = atLimit + "\n";
    test::writeFile(path, tooLarge);
    EXPECT_EQ(settings.read(setting::SaturationsLow), setting::SaturationsLow.defaultValue);
    const Outcome problem = settings.problem();
    ASSERT_FALSE(problem.ok());
    EXPECT_NE(problem.error().text().find(path), std::string::npos);
    EXPECT_NE(problem.error().text().find("too large"), std::string::npos);
    const WriteStatus refused = settings.write(setting::SaturationsLow, 85);
    EXPECT_FALSE(refused.ok());
    EXPECT_NE(refused.error().text().find("too large"), std::string::npos);
    EXPECT_EQ(test::readFile(path), tooLarge);

    // A directory in its place.
    const Settings inDir(dir.path());
    EXPECT_FALSE(inDir.problem().ok());
    EXPECT_FALSE(inDir.write(setting::PrLow, 50).ok());
    EXPECT_EQ(inDir.read(setting::PrLow), setting::PrLow.defaultValue);

    // Unreadable: only an ordinary user is kept out by the permission bits.
    if (::geteuid() != 0) {
        test::writeFile(path, "[setup]\nSaturationsLow=80\n");
        ::chmod(path.c_str(), 0200);
        EXPECT_FALSE(settings.problem().ok());
        EXPECT_FALSE(settings.write(setting::PrLow, 50).ok());
        ::chmod(path.c_str(), 0600);
        EXPECT_EQ(test::readFile(path), "[setup]\nSaturationsLow=80\n");
    }
}

TEST(SettingsFile, TheCommandLineSaysOnceThatTheDefaultsAreUsed) {
    test::TempDir dir;
    const std::string head = "[setup]\nSaturationsLow=80\n";
    const std::string tooLarge = head + std::string(IniFile::kMaxBytes, '\n');
    test::writeFile(dir.file("Kestrova.ini"), tooLarge);
    const std::string night = kSamples + "/ID12.dat";
    const auto refused = test::runCommand("cd " + dir.path() + " && " + kCli + " analyze " + night);
    test::TempDir plain;
    const auto defaults = test::runCommand("cd " + plain.path() + " && " + kCli + " analyze " + night);
    ASSERT_EQ(defaults.status, 0) << defaults.err;
    EXPECT_EQ(refused.status, 0);
    EXPECT_EQ(refused.out, defaults.out); // the defaults, not the user's 80
    EXPECT_EQ(lineCount(refused.err), 1) << refused.err;
    EXPECT_NE(refused.err.find(dir.file("Kestrova.ini")), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("default settings are used"), std::string::npos) << refused.err;
    EXPECT_EQ(test::readFile(dir.file("Kestrova.ini")), tooLarge);

    // Readable again: the user's value, and nothing said.
    test::writeFile(dir.file("Kestrova.ini"), head);
    const auto read = test::runCommand("cd " + dir.path() + " && " + kCli + " analyze " + night);
    EXPECT_EQ(read.err, "");
    EXPECT_NE(read.out, defaults.out);
}

TEST(SettingsFile, ASharedFileBehindASymbolicLinkStaysShared) {
    test::TempDir shared, here;
    const std::string real = shared.file("Kestrova.ini");
    test::writeFile(real, "[setup]\nSaturationsLow=80\n");
    // A relative link, as `ln -s ../shared/Kestrova.ini` makes it.
    const std::string link = here.file("Kestrova.ini");
    const std::string relative = "../" + shared.path().substr(shared.path().find_last_of('/') + 1) + "/Kestrova.ini";
    ASSERT_EQ(::symlink(relative.c_str(), link.c_str()), 0);
    const Settings settings(link);
    ASSERT_TRUE(settings.write(setting::PrLow, 55).ok());
    EXPECT_TRUE(isLink(link));
    EXPECT_EQ(test::readFile(real), "[setup]\nSaturationsLow=80\nPrLow=55\n");
    EXPECT_EQ(Settings(real).read(setting::PrLow), 55);

    // A chain of links, relative ones among them, and one that leads nowhere yet.
    const std::string hop = here.file("hop.ini");
    ASSERT_EQ(::symlink("Kestrova.ini", hop.c_str()), 0);
    ASSERT_TRUE(writeFileAtomically(hop, "through two links\n").ok());
    EXPECT_TRUE(isLink(hop) && isLink(link));
    EXPECT_EQ(test::readFile(real), "through two links\n");
    const std::string dangling = here.file("new.txt");
    ASSERT_EQ(::symlink("made-later.txt", dangling.c_str()), 0);
    ASSERT_TRUE(writeFileAtomically(dangling, "made\n").ok());
    EXPECT_TRUE(isLink(dangling));
    EXPECT_EQ(test::readFile(here.file("made-later.txt")), "made\n");
    // A loop is refused with the system's reason.
    const std::string loop = here.file("loop");
    ASSERT_EQ(::symlink("loop", loop.c_str()), 0);
    const WriteStatus looped = writeFileAtomically(loop, "x");
    ASSERT_FALSE(looped.ok());
    EXPECT_EQ(looped.error().text(), loop + ": " + std::strerror(ELOOP));
    // Nothing else appeared in either directory.
    EXPECT_EQ(test::fileSize(shared.file("Kestrova.ini")), 18);
    EXPECT_EQ(test::runCommand("ls -A " + shared.path() + " | wc -l").out, "1\n");
    EXPECT_EQ(test::runCommand("ls -A " + here.path() + " | wc -l").out, "5\n");
}
