// CSV recordings: Kestrova's own round trip, the layouts of other oximeters' software,
// and every way a file is refused (with its line) without a partial recording.
#include "files/CsvRecording.h"
#include "analysis/ClinicalMetrics.h"
#include "files/DataFile.h"
#include "files/PatientDatabase.h"
#include "files/SaveData.h"
#include "model/RecordingModel.h"
#include "model/SyntheticRecording.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace kestrova;

namespace {
struct Expected {
    int second, spo2, pulse;
};
// The samples from `first` (seconds after the first row) onward.
void expectSamples(const Result<DataFileContents>& r, const std::vector<Expected>& expected) {
    ASSERT_TRUE(r.ok()) << r.error().text();
    ASSERT_EQ(r->samples.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& s = r->samples[i];
        EXPECT_EQ(s.second, expected[i].second) << i;
        EXPECT_EQ(s.spo2, expected[i].spo2) << i;
        EXPECT_EQ(s.pulseRate, expected[i].pulse) << i;
    }
}
} // namespace

TEST(CsvRecording, OwnFilesRoundTripThroughTheOpenCommand) {
    test::TempDir dir;
    auto night = test::night(3, 5000);
    night[10].spo2 = 0; // an artefact stays what it was
    night[11].pulseRate = 255;
    ASSERT_TRUE(writeCsvRecording(dir.file("n.csv"), night).ok());
    const std::string text = test::readFile(dir.file("n.csv"));
    ASSERT_EQ(text.substr(0, 23), "time,spo2,pulse,valid\r\n");
    char first[64];
    std::snprintf(first, sizeof first, "%04d-%02d-%02dT%02d:%02d:%02d,%d,%d,1\r\n", 2000 + night[0].year,
                  night[0].month, night[0].day, night[0].hour, night[0].minute, night[0].second, night[0].spo2,
                  night[0].pulseRate);
    EXPECT_EQ(text.substr(23, std::strlen(first)), first);
    EXPECT_NE(text.find(",0,"), std::string::npos);
    EXPECT_NE(text.find(",255,0\r\n"), std::string::npos); // pulse 255 is an artefact

    RecordingModel model;
    const PatientDatabase db(dir.path() + "/");
    ASSERT_TRUE(openSavedData(dir.file("n.csv"), model, db)) << "not opened";
    ASSERT_EQ(model.currentCount(), 5000);
    for (std::size_t i = 0; i < night.size(); ++i) {
        const auto& a = night[i];
        const auto& b = model.currentSamples()[i];
        ASSERT_TRUE(a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
                    a.minute == b.minute && a.second == b.second && a.spo2 == b.spo2 && a.pulseRate == b.pulseRate)
            << i;
    }
    EXPECT_EQ(model.reportTitle(), "n");
    EXPECT_EQ(model.currentPatient().id, 0); // no ID column
}

TEST(CsvRecording, LayoutsOfOtherSoftware) {
    // Semicolons, separate date and time, day first (settled by the 13th), decimal commas,
    // a missing second and two rows in one second.
    expectSamples(parseCsvRecording("Date;Time;SpO2(%);PR(bpm)\r\n"
                                    "12/03/2024;23:59:58;97,4;61\r\n"
                                    "13/03/2024;00:00:00;96;62\r\n"
                                    "13/03/2024;00:00:00;95;63\r\n"
                                    "13/03/2024;00:00:01;94.6;64\r\n",
                                    "t"),
                  {{58, 97, 61}, {59, 0, 0}, {0, 95, 63}, {1, 95, 64}});
    // Tabs, ISO time with T, other names, quoted fields, an ID column.
    const auto tabbed = parseCsvRecording("\"Timestamp\"\tSaO2\tHeart Rate\tPatient ID\n"
                                          "2024-03-12T22:00:00\t\"98\"\t70\t9\n"
                                          "2024-03-12T22:00:01\t97\t71\t9\n",
                                          "t");
    expectSamples(tabbed, {{0, 98, 70}, {1, 97, 71}});
    EXPECT_EQ(tabbed->patientId, 9);
    // Month first, settled by a day above 12; values clamped to a byte.
    const auto us = parseCsvRecording("date,time,oxygen,bpm\n03/13/2024,08:00:00,300,-5\n", "t");
    expectSamples(us, {{0, 255, 0}});
    EXPECT_EQ(us->samples[0].month, 3);
    EXPECT_EQ(us->samples[0].day, 13);
    // Dates whose order nothing settles are refused, unless both orders agree.
    EXPECT_NE(
        parseCsvRecording("date,time,spo2,pulse\n03/04/2024,08:00:00,97,60\n", "t").error().text().find("month/day"),
        std::string::npos);
    EXPECT_TRUE(parseCsvRecording("date,time,spo2,pulse\n04/04/2024,08:00:00,97,60\n", "t").ok());
}

// Rows every 2 or 4 s (as other oximeters' apps write them) hold each reading until the
// next: the night's desaturations are found as in the one-second original, and a gap
// longer than a reading may last is still artefact.
TEST(CsvRecording, SlowerRowsHoldTheirReadings) {
    SyntheticNight plan;
    plan.seconds = 4 * 3600;
    plan.desaturationsPerHour = 12;
    const auto night = makeSyntheticNight(plan);
    const double odi1 = computeClinicalMetrics(night).odi3.perHour;
    ASSERT_GT(odi1, 5.0);
    const std::string full = csvRecordingText(night);
    for (const int every : {2, 4}) {
        std::string text = full.substr(0, full.find('\n') + 1);
        std::size_t at = text.size();
        for (std::size_t i = 0; at < full.size(); ++i) {
            const std::size_t end = full.find('\n', at) + 1;
            if (i % static_cast<std::size_t>(every) == 0) text += full.substr(at, end - at);
            at = end;
        }
        const auto r = parseCsvRecording(text, "t");
        ASSERT_TRUE(r.ok()) << r.error().text();
        EXPECT_EQ(r->sourceInterval, every);
        const double odi = computeClinicalMetrics(r->samples).odi3.perHour;
        EXPECT_NEAR(odi, odi1, 0.1 * odi1) << "rows every " << every << " s";
    }
    const auto gap = parseCsvRecording("time,spo2,pulse\n2024-01-01 10:00:00,97,60\n2024-01-01 10:00:02,96,61\n"
                                       "2024-01-01 10:00:04,95,62\n2024-01-01 10:00:20,94,63\n",
                                       "t");
    ASSERT_TRUE(gap.ok());
    ASSERT_EQ(gap->samples.size(), 21u);
    const int spo2[] = {97, 97, 96, 96, 95, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 94};
    for (std::size_t i = 0; i < 21; ++i) EXPECT_EQ(gap->samples[i].spo2, spo2[i]) << i;
}

TEST(CsvRecording, MalformedFilesNameTheLineAndChangeNothing) {
    EXPECT_EQ(parseCsvRecording("when,spo2,pulse\n", "t").error().text(),
              "line 1: the header names no time column (expected for example time, spo2 and pulse)");
    EXPECT_EQ(
        parseCsvRecording("time,spo2,pulse\n2024-01-01 10:00:00,97,60\n2024-01-01 10:00:01,x,60\n", "t").error().text(),
        "line 3: SpO2 and pulse must be numbers");
    EXPECT_EQ(parseCsvRecording("time,spo2,pulse\n2024-01-01 10:00:05,97,60\n2024-01-01 10:00:01,97,60\n", "t")
                  .error()
                  .text(),
              "line 3: the time goes back");
    EXPECT_EQ(parseCsvRecording("time,spo2,pulse\n2024-02-30 10:00:00,97,60\n", "t").error().text(),
              "line 2: no date Kestrova can keep (years 2000 to 2255)");
    EXPECT_EQ(parseCsvRecording("time,spo2,pulse\n2024-01-01 25:00:00,97,60\n", "t").error().text(),
              "line 2: \"25:00:00\" is not a time of day");
    // A quoted line break counts as a line.
    EXPECT_EQ(parseCsvRecording("time,spo2,pulse\n2024-01-01 10:00:00,\"9\n7\",60\nx,1,1\n", "t").error().text(),
              "line 2: SpO2 and pulse must be numbers");

    // Longer than the current recording holds: the .dat message; the model untouched.
    test::TempDir dir;
    test::writeFile(dir.file("long.csv"), "time,spo2,pulse\n2024-01-01 00:00:00,97,60\n2024-01-07 00:00:00,97,60\n");
    RecordingModel model;
    model.replaceCurrent(test::night(4, 10));
    const Outcome opened = openSavedData(dir.file("long.csv"), model, PatientDatabase(dir.path() + "/"));
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.error().text(),
              "The file " + dir.file("long.csv") +
                  " is not a recording this program can open: it holds more than 518400 samples (a recording "
                  "holds 0 to 518400).");
    EXPECT_EQ(model.currentCount(), 10);
}
