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
    const std::string header = "time,spo2,pulse,valid,id,title\r\n";
    ASSERT_EQ(text.substr(0, header.size()), header);
    char first[64];
    std::snprintf(first, sizeof first, "%04d-%02d-%02dT%02d:%02d:%02d,%d,%d,1,3,\r\n", 2000 + night[0].year,
                  night[0].month, night[0].day, night[0].hour, night[0].minute, night[0].second, night[0].spo2,
                  night[0].pulseRate);
    EXPECT_EQ(text.substr(header.size(), std::strlen(first)), first);
    EXPECT_NE(text.find(",0,"), std::string::npos);
    EXPECT_NE(text.find(",255,0,3,\r\n"), std::string::npos); // pulse 255 is an artefact

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
    EXPECT_EQ(model.currentPatient().id, 3); // the samples' ID
}

TEST(CsvRecording, LayoutsOfOtherSoftware) {
    // Semicolons, separate date and time, day first (settled by the 13th), decimal commas,
    // a missing second, a row written twice and two rows within one second.
    expectSamples(parseCsvRecording("Date;Time;SpO2(%);PR(bpm)\r\n"
                                    "12/03/2024;23:59:58;97,4;61\r\n"
                                    "13/03/2024;00:00:00;96;62\r\n"
                                    "13/03/2024;00:00:00;96;62\r\n"
                                    "13/03/2024;00:00:01.0;94.6;64\r\n"
                                    "13/03/2024;00:00:01.5;93;65\r\n",
                                    "t"),
                  {{58, 97, 61}, {59, 0, 0}, {0, 96, 62}, {1, 93, 65}});
    // The same time with other values is no reading to choose from.
    EXPECT_EQ(parseCsvRecording("time,spo2,pulse\n2024-01-01 10:00:00,97,60\n2024-01-01 10:00:00,95,60\n", "t")
                  .error()
                  .text(),
              "line 3: the time 2024-01-01 10:00:00 of line 2 again, with other values");
    // Tabs, ISO time with T, other names, quoted fields, an ID column.
    const auto tabbed = parseCsvRecording("\"Timestamp\"\tSaO2\tHeart Rate\tPatient ID\n"
                                          "2024-03-12T22:00:00\t\"98\"\t70\t9\n"
                                          "2024-03-12T22:00:01\t97\t71\t9\n",
                                          "t");
    expectSamples(tabbed, {{0, 98, 70}, {1, 97, 71}});
    EXPECT_EQ(tabbed->patientId, 9);
    // Month first, settled by a day above 12.
    const auto us = parseCsvRecording("date,time,oxygen,bpm\n03/13/2024,08:00:00,99,54\n", "t");
    expectSamples(us, {{0, 99, 54}});
    EXPECT_EQ(us->samples[0].month, 3);
    EXPECT_EQ(us->samples[0].day, 13);
    // Dates whose order nothing settles open month first, and say so; when both orders
    // agree there is nothing to say.
    const auto unsettled = parseCsvRecording("date,time,spo2,pulse\n03/04/2024,08:00:00,97,60\n", "t");
    ASSERT_TRUE(unsettled.ok());
    EXPECT_EQ(unsettled->samples[0].month, 3);
    ASSERT_EQ(unsettled->notes.size(), 1u);
    EXPECT_NE(unsettled->notes[0].find("read month/day/year"), std::string::npos);
    const auto same = parseCsvRecording("date,time,spo2,pulse\n04/04/2024,08:00:00,97,60\n", "t");
    ASSERT_TRUE(same.ok());
    EXPECT_TRUE(same->notes.empty());
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
        "line 3: no SpO2 value and no missing-value marker in column 2");
    EXPECT_EQ(parseCsvRecording("time,spo2,pulse\n2024-02-30 10:00:00,97,60\n", "t").error().text(),
              "line 2: no date Kestrova can keep (years 2000 to 2255)");
    EXPECT_EQ(parseCsvRecording("time,spo2,pulse\n2024-01-01 25:00:00,97,60\n", "t").error().text(),
              "line 2: \"25:00:00\" is not a time of day");
    // A quoted line break counts as a line.
    EXPECT_EQ(parseCsvRecording("time,spo2,pulse\n2024-01-01 10:00:00,\"9\n7\",60\nx,1,1\n", "t").error().text(),
              "line 2: no SpO2 value and no missing-value marker in column 2");

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

namespace {
struct Layout {
    const char* what;
    std::string text;
    int year, month, day, hour, minute, second; // of the first sample
    int spo2, pulse;
    const char* layoutWords; // part of the layout the reader names
};
} // namespace

// Each layout as its app writes it: header, clock and date forms, separators, markers.
TEST(CsvRecording, OtherOximetersLayoutsOpenAsTheirAppsWriteThem) {
    const Layout layouts[] = {
        {"ring app: CRLF, trailing comma, 12-hour time with month names, 4 s rows",
         "Time,SpO2(%),Pulse Rate(bpm),Motion,SpO2 Reminder,PR Reminder,\r\n"
         "\"11:20:29PM Jun 19, 2026\",95,62,0,0,0,\r\n\"11:20:33PM Jun 19, 2026\",--,--,0,0,0,\r\n"
         "\"11:20:37PM Jun 19, 2026\",94,61,0,0,0,\r\n",
         2026, 6, 19, 23, 20, 29, 95, 62, "12-hour clock"},
        {"wrist app",
         "Time,Oxygen Level,Pulse Rate,Motion\n23:59:58 Jun 19 2026,96,58,0\n23:59:59 Jun 19 2026,97,59,0\n", 2026, 6,
         19, 23, 59, 58, 96, 58, "month names"},
        {"finger app with sleep mode",
         "Date,Time,SpO2(%),PR(bpm)\n6/19/2026,11:59:58 PM,97,61\n6/19/2026,11:59:59 PM,,\n", 2026, 6, 19, 23, 59, 58,
         97, 61, "month/day/year"},
        {"the same in ISO order", "Date,Time,SpO2(%),PR(bpm)\n2026/06/19,23:50:00,97,61\n", 2026, 6, 19, 23, 50, 0, 97,
         61, "year-month-day"},
        {"German spreadsheet: BOM, semicolons, decimal commas, D.M.Y",
         "\xEF\xBB\xBF"
         "Datum;Uhrzeit;SpO2;Puls\r\n19.06.2026;22:00:00;96,6;60,2\r\n",
         2026, 6, 19, 22, 0, 0, 97, 60, "day.month.year"},
        {"French spreadsheet, CR-only lines", "Date;Heure;SpO2;Pouls\r20.06.2026;01:02:03;93;70\r", 2026, 6, 20, 1, 2,
         3, 93, 70, "CR lines"},
        {"Spanish spreadsheet", "Fecha;Hora;SpO2;Pulso\n21.06.2026;04:05:06;NaN;N/A\n", 2026, 6, 21, 4, 5, 6, 0, 0,
         "semicolons"},
        {"Unix time", "timestamp,SpO2,HR\n1781906400,98,55\n", 2026, 6, 19, 22, 0, 0, 98, 55, "Unix time"},
        {"other names", "Date/Time\tO2Sat [%]\tH.R.\n2026-06-19 22:00:00\t91\t80\n", 2026, 6, 19, 22, 0, 0, 91, 80,
         "tabs"},
    };
    for (const auto& l : layouts) {
        const auto r = parseCsvRecording(l.text, "t");
        ASSERT_TRUE(r.ok()) << l.what << ": " << r.error().text();
        ASSERT_FALSE(r->samples.empty()) << l.what;
        const auto& s = r->samples.front();
        EXPECT_EQ(std::vector<int>({2000 + s.year, s.month, s.day, s.hour, s.minute, s.second, s.spo2, s.pulseRate}),
                  std::vector<int>({l.year, l.month, l.day, l.hour, l.minute, l.second, l.spo2, l.pulse}))
            << l.what;
        EXPECT_NE(r->layout.find(l.layoutWords), std::string::npos) << l.what << ": " << r->layout;
    }
    // The ring app's "--" row is an artefact second; the readings around it are held for
    // their 4 s as the app means them.
    const auto ring = parseCsvRecording(layouts[0].text, "t");
    ASSERT_EQ(ring->samples.size(), 9u);
    EXPECT_EQ(ring->sourceInterval, 4);
    EXPECT_EQ(ring->samples[3].spo2, 95);
    EXPECT_EQ(ring->samples[4].spo2, 0);
    EXPECT_EQ(ring->samples[7].spo2, 0);
    EXPECT_EQ(ring->samples[8].spo2, 94);
    ASSERT_FALSE(ring->notes.empty());
    EXPECT_EQ(ring->notes.back(), "2 missing-value markers read as artefact");
}

TEST(CsvRecording, NumbersOutOfRangeAreRefusedWithLineAndColumnNeverZero) {
    const std::string header = "time,spo2,pulse\n2026-06-19 22:00:00,97,60\n";
    const struct {
        std::string row, message;
    } cases[] = {
        {"2026-06-19 22:00:01,1e308,60", "line 3: SpO2 1e308 in column 2 is out of range (0 to 127, or a missing-value "
                                         "marker)"},
        {"2026-06-19 22:00:01,97,-5", "line 3: pulse -5 in column 3 is out of range (0 to 254, or a missing-value "
                                      "marker)"},
        {"2026-06-19 22:00:01,300.5,60", "line 3: SpO2 300.5 in column 2 is out of range (0 to 127, or a "
                                         "missing-value marker)"},
        {"2026-06-19 22:00:01,97,1e400", "line 3: pulse 1e400 in column 3 is out of range (0 to 254, or a "
                                         "missing-value marker)"},
        {"2026-06-19 22:00:01,97,six", "line 3: no pulse value and no missing-value marker in column 3"},
    };
    for (const auto& c : cases) EXPECT_EQ(parseCsvRecording(header + c.row + "\n", "t").error().text(), c.message);
    // Every marker is an artefact second, whatever column it is in.
    for (const char* marker : {"", "--", "-", "NaN", "nan", "N/A", "0", "255"}) {
        const auto r = parseCsvRecording(header + "2026-06-19 22:00:01," + marker + ",61\n", "t");
        ASSERT_TRUE(r.ok()) << marker << ": " << r.error().text();
        EXPECT_EQ(r->samples[1].spo2, 0) << marker;
        EXPECT_EQ(r->samples[1].pulseRate, 61) << marker;
        EXPECT_FALSE(clinical::isValid(r->samples[1])) << marker;
    }
}

// A clock set back (or a fall-back to winter time): the recording goes on, each sample
// with the time its row gives, and the place is noted.
TEST(CsvRecording, ClockSetBackContinuesTheRecordingAndIsNoted) {
    std::string text = "Date,Time,SpO2,PR\n";
    char row[64];
    for (int i = 0; i < 5; ++i) {
        std::snprintf(row, sizeof row, "2026/10/25,02:59:%02d,%d,60\n", 40 + 4 * i, 90 + i);
        text += row;
    }
    for (int i = 0; i < 3; ++i) {
        std::snprintf(row, sizeof row, "2026/10/25,02:00:%02d,%d,61\n", 4 * i, 80 + i);
        text += row;
    }
    const auto r = parseCsvRecording(text, "t");
    ASSERT_TRUE(r.ok()) << r.error().text();
    ASSERT_EQ(r->notes.size(), 1u);
    EXPECT_EQ(r->notes[0], "clock set back at line 7 by 3600 s");
    ASSERT_EQ(r->samples.size(), 17u + 9u); // rows every 4 s, each held to the next
    EXPECT_EQ(r->samples[16].minute, 59);
    EXPECT_EQ(r->samples[16].spo2, 94);
    EXPECT_EQ(r->samples[17].minute, 0);
    EXPECT_EQ(r->samples[17].second, 0);
    EXPECT_EQ(r->samples[17].spo2, 80);
    EXPECT_EQ(r->samples.back().spo2, 82);
}

// Hostile sizes: neither blank lines nor a header of endless columns make the reader hold
// more than a few bytes per data row, and a real six-day file stays within 1.5 table
// entries a row.
TEST(CsvRecording, MemoryIsBoundedByRowsNotByLinesOrColumns) {
    std::string blank = "time,spo2,pulse\n";
    blank.append(100u << 20, '\n');
    CsvReadStats stats;
    auto r = parseCsvRecording(blank, "t", &stats);
    ASSERT_TRUE(r.ok()) << r.error().text();
    EXPECT_TRUE(r->samples.empty());
    EXPECT_EQ(stats.rows, 0u);
    EXPECT_LT(stats.workingBytes, 4096u);

    std::string wide = "time,spo2,pulse";
    wide.reserve(100u << 20);
    while (wide.size() < (100u << 20)) wide += ",column";
    wide += "\n2026-06-19 22:00:00,97,60\n";
    r = parseCsvRecording(wide, "t", &stats);
    ASSERT_TRUE(r.ok()) << r.error().text();
    EXPECT_EQ(r->samples.size(), 1u);
    EXPECT_LT(stats.workingBytes, 4096u);

    SyntheticNight plan;
    plan.seconds = RecordingModel::kCurrentCapacity;
    const std::string full = csvRecordingText(makeSyntheticNight(plan));
    r = parseCsvRecording(full, "t", &stats);
    ASSERT_TRUE(r.ok()) << r.error().text();
    EXPECT_EQ(stats.rows, static_cast<std::size_t>(RecordingModel::kCurrentCapacity));
    EXPECT_LE(stats.workingBytes, stats.rows * 16 * 3 / 2 + 4096);
    EXPECT_LE(stats.workingBytes + r->samples.capacity() * sizeof(SampleRecord), 3 * full.size());
}
