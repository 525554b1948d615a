#include "files/Export.h"
#include "analysis/Analysis.h"
#include "files/EventReport.h"
#include "files/PatientText.h"

#include "TestSupport.h"

#include <cstring>
#include <gtest/gtest.h>
#include <regex>

using namespace kestrova;

namespace {
SampleRecord at(int year, int month, int day, int h, int m, int s, int spo2, int pr) {
    return SampleRecord{1,
                        static_cast<std::uint8_t>(year),
                        static_cast<std::uint8_t>(month),
                        static_cast<std::uint8_t>(day),
                        static_cast<std::uint8_t>(h),
                        static_cast<std::uint8_t>(m),
                        static_cast<std::uint8_t>(s),
                        static_cast<std::uint8_t>(spo2),
                        static_cast<std::uint8_t>(pr),
                        0};
}

PatientRecord patient() {
    PatientRecord p;
    p.id = 1;
    std::strcpy(p.name, "Jos\xe9"); // stored in the Windows code page
    p.gender = 1;
    p.age = 57;
    p.height = 70;
    p.weight = 150;
    p.unitSystem = 0;
    return p;
}

// The text of one cell ("B5") of the first sheet of an .xlsx; "<none>" when absent.
class Workbook {
public:
    explicit Workbook(const std::string& path)
        : m_xml(test::runCommand("unzip -p '" + path + "' xl/worksheets/sheet1.xml").out) {}
    std::string cell(const std::string& ref) const {
        const std::regex re("<c r=\"" + ref + "\"[^>]*><is><t[^>]*>([^<]*)</t></is></c>");
        std::smatch m;
        return std::regex_search(m_xml, m, re) ? m[1].str() : "<none>";
    }
    // A number cell's value and whether it carries a style (a number format).
    std::string number(const std::string& ref) const {
        const std::regex re("<c r=\"" + ref + "\"[^>]*><v>([^<]*)</v></c>");
        std::smatch m;
        return std::regex_search(m_xml, m, re) ? m[1].str() : "<none>";
    }
    bool styled(const std::string& ref) const {
        return std::regex_search(m_xml, std::regex("<c r=\"" + ref + "\" s=\"[1-9]"));
    }
    bool empty() const { return m_xml.empty(); }

private:
    std::string m_xml;
};
} // namespace

TEST(PatientText, HeightAndWeightFollowTheUnitTable) {
    PatientRecord p = patient();
    EXPECT_EQ(heightText(p, UnitSystem::Metric), "178 cm"); // 70 in
    EXPECT_EQ(weightText(p, UnitSystem::Metric), "68 kg");  // 150 lb
    EXPECT_EQ(heightText(p, UnitSystem::Imperial), "70 in");
    EXPECT_EQ(weightText(p, UnitSystem::Imperial), "150 lb");
    p.unitSystem = 1;
    p.height = 178;
    p.weight = 100;
    EXPECT_EQ(heightText(p, UnitSystem::Imperial), "70 in");
    EXPECT_EQ(weightText(p, UnitSystem::Imperial), "220 lb");
    EXPECT_EQ(heightText(p, UnitSystem::Metric), "178 cm");
    EXPECT_EQ(weightText(p, UnitSystem::Metric), "100 kg");
    EXPECT_EQ(genderText(p), "female");
    p.gender = 0;
    EXPECT_EQ(genderText(p), "male");
}

TEST(TextExport, LinesAreByteExact) {
    test::TempDir dir;
    const std::vector<SampleRecord> s = {at(10, 5, 5, 8, 7, 6, 97, 63), at(9, 12, 31, 23, 59, 59, 100, 255)};
    ASSERT_TRUE(writeTextExport(dir.file("a.txt"), s, patient(), UnitSystem::Metric));
    EXPECT_EQ(test::readFile(dir.file("a.txt")),
              "PatId\tName\r\n1\tJos\xe9\r\n\r\ngender\tAge\tHeight\tWeight\r\nfemale\t57\t178 cm\t68 kg\r\n\r\n\r\n"
              "Date&Time\t\t\t\tSpO2\t\tPR\r\n"
              "2010/05/05 08:07:06\t\t\t97\t\t63\r\n"
              "2009/12/31 23:59:59\t\t\t100\t\t255\r\n");
}

TEST(TextExport, EmptyRecordingStillHasTheColumnHeader) {
    test::TempDir dir;
    ASSERT_TRUE(writeTextExport(dir.file("e.txt"), {}, patient(), UnitSystem::Imperial));
    const std::string text = test::readFile(dir.file("e.txt"));
    const std::string tail = "\r\n\r\nDate&Time\t\t\t\tSpO2\t\tPR\r\n";
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 8);
    const ExportStatus missing = writeTextExport(dir.path() + "/missing/e.txt", {}, patient(), UnitSystem::Imperial);
    EXPECT_EQ(missing.status(), Status::NotFound);
    EXPECT_EQ(exportMessage(missing),
              "Can't create the file: " + dir.path() + "/missing/e.txt: No such file or directory");
}

TEST(SpreadsheetExport, CellPositionsFollowTheBlockLayout) {
    EXPECT_EQ(spreadsheetCellOf(0).row, 4u);
    EXPECT_EQ(spreadsheetCellOf(65531).row, 65535u); // sheet row 65536
    EXPECT_EQ(spreadsheetCellOf(65532).row, 4u);
    EXPECT_EQ(spreadsheetCellOf(65532).column, 6);
    EXPECT_EQ(spreadsheetCellOf(196596).column, 18);
    EXPECT_EQ(spreadsheetCellOf(300000).column, 18); // the fourth block takes the rest
    EXPECT_EQ(spreadsheetCellOf(300000).row, 4u + 300000 - 196596);
}

TEST(SpreadsheetExport, WorkbookCellsHoldTheDocumentedTexts) {
    test::TempDir dir;
    std::vector<SampleRecord> s(65533, at(26, 1, 2, 3, 4, 5, 95, 70));
    s[0] = at(10, 5, 5, 8, 7, 6, 97, 63);
    s[65531].spo2 = 88;
    const std::string path = dir.file("w.xls"); // an .xls name still gets a workbook
    std::int64_t lastDone = 0;
    ASSERT_TRUE(
        writeSpreadsheetExport(path, s, patient(), UnitSystem::Imperial, [&](std::int64_t done, std::int64_t total) {
            EXPECT_EQ(total, 65533);
            lastDone = done;
            return true;
        }));
    EXPECT_EQ(lastDone, 65533);
    const Workbook wb(path);
    ASSERT_FALSE(wb.empty());
    EXPECT_EQ(wb.cell("A1"), "PatId");
    EXPECT_EQ(wb.cell("F1"), "Weight");
    EXPECT_EQ(wb.cell("B2"), "Jos\xc3\xa9"); // Unicode in the workbook
    EXPECT_EQ(wb.cell("C2"), "female");
    EXPECT_EQ(wb.cell("E2"), "70 in");
    EXPECT_EQ(wb.cell("A4"), "Num");
    EXPECT_EQ(wb.cell("G4"), "Num"); // 65533 div 65532 = 1: two header blocks
    EXPECT_EQ(wb.cell("M4"), "<none>");
    // Numbers, dates and times are values a spreadsheet calculates with.
    EXPECT_EQ(wb.number("A2"), "1");  // PatId
    EXPECT_EQ(wb.number("D2"), "57"); // Age
    EXPECT_EQ(wb.number("A5"), "1");
    EXPECT_EQ(wb.number("B5"), "40303"); // 2010-05-05
    EXPECT_TRUE(wb.styled("B5"));
    EXPECT_NEAR(std::stod(wb.number("C5")), (8 * 3600 + 7 * 60 + 6) / 86400.0, 1e-12);
    EXPECT_TRUE(wb.styled("C5"));
    EXPECT_EQ(wb.number("D5"), "97");
    EXPECT_EQ(wb.number("E5"), "63");
    EXPECT_EQ(wb.number("A65536"), "65532");
    EXPECT_EQ(wb.number("D65536"), "88");
    EXPECT_EQ(wb.number("G5"), "65533");
    EXPECT_EQ(wb.number("H5"), "46024"); // 2026-01-02
    const std::string styles = test::runCommand("unzip -p '" + path + "' xl/styles.xml").out;
    EXPECT_NE(styles.find("formatCode=\"mm/dd/yy\""), std::string::npos);
    EXPECT_NE(styles.find("formatCode=\"h:mm:ss\""), std::string::npos);
}

TEST(SpreadsheetExport, EmptyRecordingHasThePatientRowsAndOneHeaderBlock) {
    test::TempDir dir;
    ASSERT_TRUE(writeSpreadsheetExport(dir.file("e.xlsx"), {}, patient(), UnitSystem::Metric));
    const Workbook wb(dir.file("e.xlsx"));
    EXPECT_EQ(wb.cell("E2"), "178 cm");
    EXPECT_EQ(wb.cell("E4"), "PR");
    EXPECT_EQ(wb.cell("G4"), "<none>");
    EXPECT_EQ(wb.cell("A5"), "<none>");
}

TEST(SpreadsheetExport, CancelledOrFailedExportsLeaveNoFile) {
    test::TempDir dir;
    std::vector<SampleRecord> s(5000, at(26, 1, 2, 3, 4, 5, 95, 70));
    test::writeFile(dir.file("old.xlsx"), "previous");
    EXPECT_EQ(writeSpreadsheetExport(dir.file("old.xlsx"), s, patient(), UnitSystem::Imperial,
                                     [](std::int64_t, std::int64_t) { return false; })
                  .status(),
              Status::Cancelled);
    EXPECT_EQ(test::readFile(dir.file("old.xlsx")), "previous");
    EXPECT_EQ(test::runCommand("ls " + dir.path()).out, "old.xlsx\n");
    const ExportStatus noDir = writeSpreadsheetExport(dir.path() + "/no/dir.xlsx", s, patient(), UnitSystem::Imperial);
    EXPECT_EQ(exportMessage(noDir), "Can't create the file: " + dir.path() + "/no/dir.xlsx: No such file or directory");
    EXPECT_EQ(exportMessage(workbookFailed({})), "Create Excel service failed !");
}

TEST(EventReport, ListsEveryEventWithItsStamps) {
    std::vector<SampleRecord> s;
    SampleRecord t = at(10, 5, 5, 8, 7, 6, 97, 63);
    for (int k = 0; k < 20; ++k) {
        s.push_back(t);
        t.second = static_cast<std::uint8_t>(t.second + 1);
    }
    const EventList desat = {{0, 12, 97, 90, 5}, {15, 1, 91, 91, 4}};
    const std::string text = eventReportText(s, patient(), UnitSystem::Imperial, desat, {});
    const std::string header = "Start Date&Time\t\tEnd Date&Time\t\tKeep Count\tMax Value\tMin Value\r\n";
    EXPECT_EQ(text, "PatId\tName\r\n1\tJos\xe9\r\n\r\ngender\tAge\tHeight\tWeight\r\nfemale\t57\t70 in\t150 lb\r\n"
                    "\r\n\r\nSpO2 Event\r\n" +
                        header +
                        "2010/05/05-08:07:06\t2010/05/05-08:07:17\t12\t\t97\t\t90\r\n"
                        "2010/05/05-08:07:21\t2010/05/05-08:07:21\t1\t\t91\t\t91\r\n"
                        "\r\n\r\nPR Event\r\n" +
                        header);
}

TEST(EventReport, NoEventsGiveOnlyTheHeadings) {
    test::TempDir dir;
    ASSERT_TRUE(writeEventReport(dir.file("r.txt"), {}, patient(), UnitSystem::Imperial, {}, {}));
    const std::string text = test::readFile(dir.file("r.txt"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7 + 2 + 2 + 2);
    EXPECT_FALSE(writeEventReport(dir.path() + "/none/r.txt", {}, patient(), UnitSystem::Imperial, {}, {}));
}
