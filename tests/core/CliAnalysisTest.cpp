#include "analysis/Analysis.h"
#include "files/DataFile.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <regex>

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
    const auto a = computeAnalysis(file.contents.samples, lim);
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
