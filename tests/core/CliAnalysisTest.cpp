#include "analysis/Analysis.h"
#include "analysis/ClinicalMetrics.h"
#include "files/DataFile.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <regex>
#include <sstream>

using namespace kestrova;

namespace {
std::string cli(const std::string& args, const std::string& cwd) {
    return "cd " + cwd + " && " + KESTROVA_CLI + " " + args;
}
} // namespace

TEST(CliAnalysis, JsonCarriesTheSameFiguresAsTheAnalysis) {
    test::TempDir dir;
    test::writeFile(dir.file("Kestrova.ini"), "[setup]\nPrLow=66\n");
    const std::string sample = std::string(SAMPLES_DIR) + "/ID3.dat";
    const auto r = test::runCommand(cli("analyze --json " + sample + " --home " + dir.path(), dir.path()));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);

    const auto file = readDataFile(sample);
    AnalysisLimits lim;
    lim.prLow = 66;
    const auto a = computeAnalysis(file->samples, lim);
    auto has = [&](const std::string& fragment) { return r.out.find(fragment) != std::string::npos; };
    EXPECT_TRUE(has("\"samples\": 7200,"));
    EXPECT_TRUE(has("\"PrLow\": 66,"));
    EXPECT_TRUE(has("\"pulseBelowLow\": " + std::to_string(a.statistics.pulseBelowLow) + "}"));
    EXPECT_TRUE(has("\"desaturation\": {\"summary\": {\"count\": " + std::to_string(a.desaturation.count) + ","));
    ASSERT_FALSE(a.desaturationEvents.empty());
    const auto& e = a.desaturationEvents.back();
    EXPECT_TRUE(has("{\"start\": " + std::to_string(e.start) + ", \"length\": " + std::to_string(e.length)));
    EXPECT_TRUE(std::regex_search(r.out, std::regex("\"indexPerHour\": [0-9]+\\.[0-9]+")));

    const auto text = test::runCommand(cli("analyze " + sample + " --home " + dir.path(), dir.path()));
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("Total Events.           " + std::to_string(a.desaturation.count)), std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("Pulse  <  66         "), std::string::npos);
}

TEST(CliAnalysis, ExportAndReportWriteTheirFilesAndRefuseOthers) {
    test::TempDir dir;
    const std::string sample = std::string(SAMPLES_DIR) + "/ID7.dat";
    const std::string home = " --home " + dir.path();
    auto run = [&](const std::string& args) { return test::runCommand(cli(args + home, dir.path())); };

    EXPECT_EQ(run("export " + sample + " out.txt").status, 0);
    const std::string text = test::readFile(dir.file("out.txt"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 8 + 3600);
    EXPECT_EQ(run("export " + sample + " out.xlsx").status, 0);
    EXPECT_EQ(run("report " + sample + " events.txt").status, 0);
    EXPECT_NE(test::readFile(dir.file("events.txt")).find("SpO2 Event\r\n"), std::string::npos);

    // Extensions match whatever their case; other names are refused.
    EXPECT_EQ(run("export " + sample + " OUT.TXT").status, 0);
    EXPECT_EQ(test::readFile(dir.file("OUT.TXT")), text);
    EXPECT_EQ(run("report " + sample + " events.TXT").status, 0);
    const auto other = run("export " + sample + " out.csv2");
    EXPECT_EQ(other.status, 1);
    EXPECT_NE(other.err.find(".txt"), std::string::npos);

    const auto noDir = run("export " + sample + " nodir/out.txt");
    EXPECT_EQ(noDir.status, 1);
    EXPECT_EQ(noDir.err, "Can't create the file: nodir/out.txt: No such file or directory\n");
    EXPECT_EQ(run("export " + sample + " nodir/out.xlsx").err,
              "Can't create the file: nodir/out.xlsx: No such file or directory\n");
    EXPECT_EQ(run("report " + sample + " nodir/r.txt").err,
              "Can't create the file: nodir/r.txt: No such file or directory\n");
    EXPECT_EQ(run("analyze missing.dat").err, "can't open the file: missing.dat: No such file or directory\n");
    // Nothing wrote the patient database.
    EXPECT_EQ(test::fileSize(dir.file("bldb/pationtrec.dat")), -1);
}

TEST(CliAnalysis, ClinicalFiguresInJsonAndSummaries) {
    test::TempDir dir;
    const std::string sample = std::string(SAMPLES_DIR) + "/ID3.dat";
    const std::string home = " --home " + dir.path();
    const auto json = test::runCommand(cli("analyze " + sample + " --json" + home, dir.path()));
    ASSERT_EQ(json.status, 0) << json.err;
    const auto file = readDataFile(sample);
    const ClinicalMetrics m = computeClinicalMetrics(file->samples);
    char mean[40];
    std::snprintf(mean, sizeof mean, "%.17g", m.spo2.mean);
    EXPECT_NE(
        json.out.find(", \"clinical\": {\"recordedSeconds\": 7200, \"validSeconds\": 7200, \"artefactSeconds\": 0, "
                      "\"spo2\": {\"mean\": " +
                      std::string(mean) + ", \"median\": " + std::to_string(m.spo2.median)),
        std::string::npos)
        << json.out.substr(0, 200);
    EXPECT_NE(json.out.find("\"odi3\": {\"events\": " + std::to_string(m.odi3.events.size())), std::string::npos);
    // How the events read: depth and duration, the longest one in full.
    ASSERT_GE(m.odi3.longest, 0);
    const auto& longest = m.odi3.events[static_cast<std::size_t>(m.odi3.longest)];
    char figures[200];
    std::snprintf(figures, sizeof figures,
                  "\"meanDepth\": %.17g, \"medianDepth\": %.17g, \"meanDuration\": %.17g, \"medianDuration\": %.17g, "
                  "\"longest\": {\"start\": %d, \"end\": %d,",
                  m.odi3.meanDepth, m.odi3.medianDepth, m.odi3.meanDuration, m.odi3.medianDuration, longest.start,
                  longest.end);
    EXPECT_NE(json.out.find(figures), std::string::npos) << figures;
    EXPECT_NE(json.out.find("\"odi4\": {\"events\": " + std::to_string(m.odi4.events.size())), std::string::npos);
    const auto text = test::runCommand(cli("analyze " + sample + home, dir.path()));
    EXPECT_NE(text.out.find("  3 % longest event             " + std::to_string(longest.seconds()) + " s at " +
                            isoTime(file->samples[static_cast<std::size_t>(longest.start)])),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find(clinicalCriteria()), std::string::npos);
    EXPECT_NE(json.out.find("\"startTime\": \"" +
                            isoTime(file->samples[static_cast<std::size_t>(m.odi3.events[0].start)]) + "\""),
              std::string::npos);
    EXPECT_EQ(json.out.rfind("}}\n"), json.out.size() - 3);

    // Tiny, artefact-only and ID-0 recordings give figures, not errors.
    std::vector<SampleRecord> none, nine(9), junk(600);
    for (auto& s : nine) {
        s.spo2 = 97;
        s.pulseRate = 60;
    }
    for (auto& s : junk) {
        s.spo2 = 127;
        s.pulseRate = 255;
    }
    ASSERT_TRUE(writeDataFile(dir.file("none.dat"), 0, none, "t").ok());
    ASSERT_TRUE(writeDataFile(dir.file("nine.dat"), 0, nine, "t").ok());
    ASSERT_TRUE(writeDataFile(dir.file("junk.dat"), 5, junk, "t").ok());
    for (const char* f : {"none.dat", "nine.dat", "junk.dat"}) {
        const auto r = test::runCommand(cli(std::string("analyze ") + f + " --json" + home, dir.path()));
        EXPECT_EQ(r.status, 0) << f << r.err;
        EXPECT_NE(r.out.find("\"clinical\""), std::string::npos) << f;
        const auto pdf =
            test::runCommand(cli(std::string("clinical-report ") + f + " " + f + ".pdf" + home, dir.path()));
        EXPECT_EQ(pdf.status, 0) << f << pdf.err;
    }
    EXPECT_NE(test::runCommand(cli("analyze junk.dat --json" + home, dir.path())).out.find("\"minIndex\": -1"),
              std::string::npos);

    // One row per file in the order given; a bad file has its error and status 1.
    const auto summary =
        test::runCommand(cli("summary nine.dat missing.dat " + sample + " --csv out.csv" + home, dir.path()));
    EXPECT_EQ(summary.status, 1);
    const std::string csv = test::readFile(dir.file("out.csv"));
    const std::string header = "file,id,name,start,recorded_hours,valid_hours,odi3,odi4,t90_percent,t88_minutes,nadir,"
                               "mean_spo2,mean_pulse,error,odi3_mean_depth,odi3_mean_duration\r\n";
    ASSERT_EQ(csv.substr(0, header.size()), header);
    const std::vector<std::string> lines = [&] {
        std::vector<std::string> v;
        for (std::size_t at = header.size(); at < csv.size();) {
            const auto end = csv.find("\r\n", at);
            v.push_back(csv.substr(at, end - at));
            at = end + 2;
        }
        return v;
    }();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 11), "nine.dat,0,");
    EXPECT_EQ(lines[1], "missing.dat,,,,,,,,,,,,,can't open the file: missing.dat: No such file or directory,,");
    EXPECT_EQ(lines[2].substr(0, sample.size() + 3), sample + ",3,");
    EXPECT_NE(lines[2].find(",2.00,2.00,"), std::string::npos) << lines[2];
    char depthAndDuration[64];
    std::snprintf(depthAndDuration, sizeof depthAndDuration, ",,%.2f,%.2f", m.odi3.meanDepth, m.odi3.meanDuration);
    EXPECT_EQ(lines[2].substr(lines[2].rfind(",,")), depthAndDuration) << lines[2];
    EXPECT_EQ(lines[0].substr(lines[0].rfind(",,")), ",,0.00,0.00") << lines[0]; // no events
}

TEST(CliAnalysis, ClinicalReportPdfOrTheReason) {
    test::TempDir dir;
    const std::string sample = std::string(SAMPLES_DIR) + "/ID3.dat";
    const std::string home = " --home " + dir.path();
    const auto ok = test::runCommand(cli("clinical-report " + sample + " r.pdf --paper letter" + home, dir.path()));
    ASSERT_EQ(ok.status, 0) << ok.err;
    const std::string pdf = test::readFile(dir.file("r.pdf"));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("/MediaBox [0 0 612"), std::string::npos); // US letter, in points
    const auto bad = test::runCommand(cli("clinical-report " + sample + " nodir/r.pdf" + home, dir.path()));
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("Can't create the file: nodir/r.pdf: No such file or directory"), std::string::npos)
        << bad.err;
    EXPECT_EQ(test::runCommand(cli("clinical-report " + sample + " r.png" + home, dir.path())).status, 1);
    EXPECT_EQ(test::runCommand("ls " + dir.path()).out, "r.pdf\n");
}

// Translated labels with umlauts keep the table's columns: padding counts characters.
TEST(CliAnalysis, ColumnsStayStraightInEveryLanguage) {
    test::TempDir dir;
    const std::string sample = std::string(SAMPLES_DIR) + "/ID3.dat";
    for (const char* lang : {"en_classic", "de", "fr", "es"}) {
        const auto r = test::runCommand(
            cli(std::string("--lang ") + lang + " analyze " + sample + " --home " + dir.path(), dir.path()));
        ASSERT_EQ(r.status, 0) << r.err;
        // The event table: a label that fits leaves the SpO2 figure in the 25th character;
        // a longer one keeps one blank before it.
        std::istringstream lines(r.out);
        std::string line;
        int rows = 0;
        while (std::getline(lines, line) && !line.empty()) {
            const std::size_t pulse = line.find_last_of(' ');
            ASSERT_NE(pulse, std::string::npos) << lang << ": " << line;
            const std::size_t spo2 = line.find_last_not_of(' ', pulse);
            const std::size_t spo2Start = line.find_last_of(' ', spo2) + 1;
            std::string label = line.substr(0, spo2Start);
            while (!label.empty() && label.back() == ' ') label.pop_back();
            std::size_t labelChars = 0, before = 0;
            for (const char c : label) labelChars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            for (std::size_t i = 0; i < spo2Start; ++i) before += (static_cast<unsigned char>(line[i]) & 0xC0) != 0x80;
            if (labelChars <= 23)
                EXPECT_EQ(before, 24u) << lang << ": " << line;
            else
                EXPECT_EQ(before, labelChars + 1) << lang << ": " << line;
            ++rows;
        }
        EXPECT_EQ(rows, 12) << lang;
    }
}
