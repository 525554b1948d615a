// Where downloads go when they break: a partial night never takes the place of an
// earlier partial or complete one, on any file system.
#include "files/DownloadStore.h"
#include "files/DataFile.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace kestrova;

namespace {

std::string stampOf(const SampleRecord& s) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", 2000 + s.year, s.month, s.day, s.hour, s.minute,
                  s.second);
    return stamp;
}

} // namespace

TEST(DownloadStore, ABrokenDownloadNeverReplacesAnEarlierPartialOrCompleteOne) {
    test::TempDir dir;
    auto night = test::night(4, 900);
    for (auto& s : night) s.id = 4;
    const std::string stamp = "ID4-" + stampOf(night[0]);

    // Broken after 300 samples, then after 600: the second goes beside the first.
    const std::vector<SampleRecord> first(night.begin(), night.begin() + 300);
    const std::vector<SampleRecord> second(night.begin(), night.begin() + 600);
    const auto a = saveDownloadedRecording(dir.path(), 4, first, false, false);
    ASSERT_TRUE(a.status.ok()) << a.status.error().text();
    EXPECT_EQ(a.path, dir.file("ID4.partial.dat"));
    const auto b = saveDownloadedRecording(dir.path(), 4, second, false, false);
    ASSERT_TRUE(b.status.ok()) << b.status.error().text();
    EXPECT_EQ(b.path, dir.file(stamp + ".partial.dat"));
    // A third break of the same night, with other samples: numbered after it.
    auto third = second;
    third.resize(450);
    const auto c = saveDownloadedRecording(dir.path(), 4, third, false, /*overwrite=*/true);
    EXPECT_EQ(c.path, dir.file(stamp + "-2.partial.dat"));
    // The same partial night again is found where it is, not written once more.
    EXPECT_EQ(saveDownloadedRecording(dir.path(), 4, second, false, false).path, b.path);

    EXPECT_EQ(readDataFile(a.path)->samples.size(), 300u);
    EXPECT_EQ(readDataFile(b.path)->samples.size(), 600u);
    EXPECT_EQ(readDataFile(c.path)->samples.size(), 450u);

    // The complete night keeps its own name, and a later break does not touch it.
    const auto whole = saveDownloadedRecording(dir.path(), 4, night, true, false);
    EXPECT_EQ(whole.path, dir.file("ID4.dat"));
    const std::string wholeBytes = test::readFile(whole.path);
    EXPECT_NE(saveDownloadedRecording(dir.path(), 4, first, false, false).path, whole.path);
    EXPECT_EQ(test::readFile(whole.path), wholeBytes);
    EXPECT_EQ(test::runCommand("ls -A " + dir.path() + " | wc -l").out, "4\n");
}
