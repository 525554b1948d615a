// Finding a moment in a recording (Go to time, render --start) and the recent-files
// list of the settings file.
#include "model/RecordingTime.h"
#include "settings/Settings.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace kestrova;

namespace {
// `n` samples, one a second, from 2010-05-05 23:58:00 (so past midnight).
std::vector<SampleRecord> acrossMidnight(int n) {
    std::vector<SampleRecord> s;
    SampleRecord r{1, 10, 5, 5, 23, 58, 0, 95, 60, 0};
    for (int i = 0; i < n; ++i) {
        s.push_back(r);
        if (++r.second == 60) {
            r.second = 0;
            if (++r.minute == 60) {
                r.minute = 0;
                if (++r.hour == 24) {
                    r.hour = 0;
                    ++r.day;
                }
            }
        }
    }
    return s;
}
} // namespace

TEST(RecordingTime, QueriesParseOnlyInTheirForms) {
    const auto t = parseTimeQuery(" 23:59:30 ");
    ASSERT_TRUE(t);
    EXPECT_FALSE(t->hasDate());
    EXPECT_EQ(t->second, 30);
    ASSERT_TRUE(parseTimeQuery("00:01"));
    const auto d = parseTimeQuery("2010-05-06T00:00:10");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->day, 6);
    EXPECT_TRUE(parseTimeQuery("2010-05-06 00:00:10"));
    EXPECT_TRUE(parseTimeQuery("2012-02-29 12:00:00"));
    for (const char* bad : {"", "24:00", "12:60", "12:00:00x", "2010-13-01 00:00:00", "1999-01-01 00:00:00", "noon",
                            "2010-02-31 00:00:00", "2011-02-29 00:00:00", "2010-04-31 00:00:00", "2010-05-00 00:00:00"})
        EXPECT_FALSE(parseTimeQuery(bad)) << bad;
}

TEST(RecordingTime, AMomentIsFoundOnlyWithinTheRecording) {
    const auto s = acrossMidnight(600); // 23:58:00 .. 00:07:59 next day
    EXPECT_EQ(findSampleAt(s, *parseTimeQuery("23:58:00")), 0);
    EXPECT_EQ(findSampleAt(s, *parseTimeQuery("23:59:30")), 90);
    EXPECT_EQ(findSampleAt(s, *parseTimeQuery("00:01")), 180); // after midnight: the next day
    EXPECT_EQ(findSampleAt(s, *parseTimeQuery("2010-05-06 00:07:59")), 599);
    EXPECT_FALSE(findSampleAt(s, *parseTimeQuery("00:08:00")));
    EXPECT_FALSE(findSampleAt(s, *parseTimeQuery("12:00")));
    EXPECT_FALSE(findSampleAt(s, *parseTimeQuery("2010-05-05 23:57:59")));
    EXPECT_FALSE(findSampleAt({}, *parseTimeQuery("12:00")));
    EXPECT_EQ(stampText(s[180]), "2010-05-06 00:01:00");

    // A gap in the stamps: the first sample after the moment.
    auto gap = acrossMidnight(10);
    for (std::size_t i = 5; i < gap.size(); ++i) gap[i].minute = 59;
    EXPECT_EQ(findSampleAt(gap, *parseTimeQuery("23:58:30")), 5);
}

TEST(Settings, RecentFilesNewestFirstOnceAndAtMostEight) {
    test::TempDir dir;
    const Settings settings(dir.file("Kestrova.ini"));
    EXPECT_TRUE(settings.recentFiles().empty());
    for (int i = 1; i <= 10; ++i) ASSERT_TRUE(settings.addRecentFile("/data/ID" + std::to_string(i) + ".dat"));
    auto files = settings.recentFiles();
    ASSERT_EQ(files.size(), 8u);
    EXPECT_EQ(files.front(), "/data/ID10.dat");
    EXPECT_EQ(files.back(), "/data/ID3.dat");
    ASSERT_TRUE(settings.addRecentFile("/data/ID5.dat")); // again: moves to the front, no duplicate
    files = settings.recentFiles();
    ASSERT_EQ(files.size(), 8u);
    EXPECT_EQ(files[0], "/data/ID5.dat");
    EXPECT_EQ(files[1], "/data/ID10.dat");
    EXPECT_EQ(std::count(files.begin(), files.end(), "/data/ID5.dat"), 1);
    EXPECT_EQ(files.back(), "/data/ID3.dat");
    EXPECT_NE(test::readFile(dir.file("Kestrova.ini")).find("[recent]"), std::string::npos);
}
