// kestrova-cli as a citizen of a pipeline: "-" as the output file, the language of its
// messages, and a stderr free of Qt's own start-up notes.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace kestrova;

namespace {

std::string cli(const std::string& arguments) {
    return std::string(KESTROVA_CLI) + " " + arguments;
}

const std::string kSample = std::string(SAMPLES_DIR) + "/ID3.dat";

} // namespace

// What a command writes to "-" is, byte for byte, what it writes to a file.
TEST(CliOutput, DashWritesTheSameBytesAsAFile) {
    test::TempDir dir;
    const std::string home = " --home " + dir.path();
    for (const char* format : {"txt", "csv", "edf"}) {
        const std::string file = dir.file(std::string("night.") + format);
        ASSERT_EQ(test::runCommand(cli("export " + kSample + " " + file + home)).status, 0) << format;
        const auto r = test::runCommand(cli("export " + kSample + " - --format " + format + home));
        ASSERT_EQ(r.status, 0) << format << ": " << r.err;
        EXPECT_EQ(r.err, "") << format;
        EXPECT_FALSE(r.out.empty()) << format;
        EXPECT_EQ(r.out, test::readFile(file)) << format;
    }
    // Without --format, "-" is the text export.
    auto r = test::runCommand(cli("export " + kSample + " -" + home));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, test::readFile(dir.file("night.txt")));

    ASSERT_EQ(test::runCommand(cli("report " + kSample + " " + dir.file("report.txt") + home)).status, 0);
    r = test::runCommand(cli("report " + kSample + " -" + home));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(r.out.empty());
    EXPECT_EQ(r.out, test::readFile(dir.file("report.txt")));

    const std::string both = kSample + " " + std::string(SAMPLES_DIR) + "/ID3.dat";
    ASSERT_EQ(test::runCommand(cli("summary " + both + " --csv " + dir.file("summary.csv") + home)).status, 0);
    r = test::runCommand(cli("summary " + both + " --csv -" + home));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, test::readFile(dir.file("summary.csv")));
    // No file named "-" is left behind by any of them.
    EXPECT_EQ(test::runCommand("test -e '" + dir.file("-") + "'").status, 1);
}

TEST(CliOutput, DashStillRefusesAnUnknownFormatAndReportsAFailedExport) {
    test::TempDir dir;
    auto r = test::runCommand(cli("export " + kSample + " - --format pdf --home " + dir.path()));
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.out, "");
    // A recording that cannot be read leaves the output empty and says why.
    r = test::runCommand(cli("export " + dir.file("none.dat") + " - --home " + dir.path()));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(dir.file("none.dat")), std::string::npos) << r.err;
}

// Drawing makes a GUI application; what Qt says about the session (no runtime
// directory, its permissions) is not the command's business and stays off stderr.
TEST(CliOutput, RenderingSaysNothingOfQtsOwnWhenTheRuntimeDirectoryIsMissing) {
    test::TempDir dir;
    const std::string env = "env -u XDG_RUNTIME_DIR ";
    auto r = test::runCommand(env + cli("render " + kSample + " " + dir.file("page.png") + " --home " + dir.path()));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err.find("QStandardPaths"), std::string::npos) << r.err;
    EXPECT_EQ(r.err, "");
    r = test::runCommand(env +
                         cli("clinical-report " + kSample + " " + dir.file("night.pdf") + " --home " + dir.path()));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err.find("QStandardPaths"), std::string::npos) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(test::readFile(dir.file("night.pdf")).substr(0, 5), "%PDF-");
    // A runtime directory anyone may write to: Qt complains of its permissions.
    ASSERT_EQ(test::runCommand("mkdir -m 0777 " + dir.file("runtime")).status, 0);
    r = test::runCommand("XDG_RUNTIME_DIR=" + dir.file("runtime") + " " +
                         cli("render " + kSample + " " + dir.file("page.pdf") + " --home " + dir.path()));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
}

// A workbook or EDF+ file is bytes, not text: a terminal as "-" is refused, a pipe is not.
TEST(CliOutput, BinaryFormatsAreNotWrittenToATerminal) {
    if (test::runCommand("command -v script").status != 0) GTEST_SKIP() << "no script(1) for a terminal";
    test::TempDir dir;
    const auto r = test::runCommand("script -qc '" + cli("export " + kSample + " - --format edf --home " + dir.path()) +
                                    "; echo status=$?' /dev/null");
    EXPECT_NE(r.out.find("not written to a terminal"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("status=1"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("0       "), std::string::npos) << r.out; // no EDF+ header
}

TEST(CliOutput, LangIsAcceptedAnywhereAndAnUnknownCodeFallsBackToEnglish) {
    test::TempDir dir;
    const std::string info = "info " + kSample + " --home " + dir.path();
    const auto classic = test::runCommand(cli(info + " --lang en_classic"));
    ASSERT_EQ(classic.status, 0) << classic.err;
    EXPECT_EQ(classic.err, "");
    EXPECT_EQ(classic.out.substr(0, 6), "ID: 3\n");
    const auto before = test::runCommand(cli("--lang=en_classic " + info));
    ASSERT_EQ(before.status, 0) << before.err;
    EXPECT_EQ(before.out, classic.out);

    const auto unknown = test::runCommand(cli(info + " --lang xx"));
    ASSERT_EQ(unknown.status, 0) << unknown.err;
    EXPECT_NE(unknown.err.find("\"xx\""), std::string::npos) << unknown.err;
    EXPECT_EQ(std::count(unknown.err.begin(), unknown.err.end(), '\n'), 1) << unknown.err;
    EXPECT_EQ(unknown.out, test::runCommand(cli(info + " --lang en")).out);

    const auto help = test::runCommand(cli("--help"));
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--lang"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("Language of messages and reports: en, en_classic, de, fr, es"), std::string::npos);
}
