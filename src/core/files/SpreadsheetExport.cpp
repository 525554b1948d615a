// The spreadsheet export, written with libxlsxwriter in constant-memory mode: rows
// must be written in ascending order, so each sheet row gathers the samples of all
// blocks that share it.
#include "files/AtomicFile.h"
#include "files/Export.h"
#include "files/PatientText.h"
#include "text/TextCodec.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace kestrova {

CellPosition spreadsheetCellOf(std::int64_t k) {
    const std::int64_t block = std::min<std::int64_t>(k / kSamplesPerBlock, 3);
    return {static_cast<std::uint32_t>(4 + k - kSamplesPerBlock * block), static_cast<std::uint16_t>(6 * block)};
}

namespace {

// The spreadsheet's serial day number of a sample's date (days since 1899-12-30), or 0
// when its fields are no calendar date.
double serialDate(const SampleRecord& s) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (s.month < 1 || s.month > 12 || s.day < 1 || s.day > kDays[s.month - 1]) return 0;
    const int year = 2000 + s.year;
    if (s.month == 2 && s.day == 29 && !(year % 4 == 0 && (year % 100 != 0 || year % 400 == 0))) return 0;
    // Days from the civil date (Howard Hinnant's algorithm), then moved to 1899-12-30.
    const int y = year - (s.month <= 2 ? 1 : 0);
    const int era = y / 400;
    const int yoe = y - era * 400;
    const int mp = (s.month + 9) % 12;
    const int doy = (153 * mp + 2) / 5 + s.day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const int daysSince1970 = era * 146097 + doe - 719468;
    return daysSince1970 + 25569.0;
}

} // namespace

ExportStatus writeSpreadsheetExport(const std::string& path, std::span<const SampleRecord> samples,
                                    const PatientRecord& patient, UnitSystem units, const ExportProgress& progress) {
    // The workbook is only written when it is closed, and must replace the target only
    // when complete: libxlsxwriter writes into our unnamed temporary file by its path.
    AtomicFile target(path);
    if (!target.isOpen()) return exportCannotCreate(target);
    const std::string temp = target.writablePath();

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(temp.c_str(), &options);
    if (!book) return workbookFailed({});
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    if (!sheet) {
        workbook_close(book);
        return workbookFailed({});
    }
    worksheet_set_column(sheet, 0, LXW_COL_MAX - 1, 10, nullptr);

    const auto n = static_cast<std::int64_t>(samples.size());
    // Cells hold Unicode text: a name stored in the Windows code page is decoded.
    const std::string name = decodeStoredText(fieldBytes(patient.name));
    const char* row0[] = {"PatId", "Name", "Gender", "Age", "Height", "Weight"};
    const std::string row1[] = {std::to_string(patient.id), name,
                                genderText(patient),        std::to_string(patient.age),
                                heightText(patient, units), weightText(patient, units)};
    for (lxw_col_t c = 0; c < 6; ++c) worksheet_write_string(sheet, 0, c, row0[c], nullptr);
    // The ID and age are numbers a spreadsheet can calculate with; the rest is text.
    for (lxw_col_t c = 0; c < 6; ++c) {
        if (c == 0 || c == 3)
            worksheet_write_number(sheet, 1, c, c == 0 ? patient.id : patient.age, nullptr);
        else
            worksheet_write_string(sheet, 1, c, row1[c].c_str(), nullptr);
    }
    lxw_format* dateFormat = workbook_add_format(book);
    format_set_num_format(dateFormat, "mm/dd/yy");
    lxw_format* timeFormat = workbook_add_format(book);
    format_set_num_format(timeFormat, "h:mm:ss");

    // Headers for blocks 0 .. N div 65532, as the layout has always named them (for long
    // recordings that is more header blocks than data blocks).
    const char* headers[] = {"Num", "Date", "Time", "SpO2", "PR"};
    for (std::int64_t b = 0; b <= n / kSamplesPerBlock; ++b)
        for (int c = 0; c < 5; ++c)
            worksheet_write_string(sheet, 3, static_cast<lxw_col_t>(6 * b + c), headers[c], nullptr);

    // The first block ends at row 4 + min(N, 65532) - 1; the fourth may run further.
    const std::int64_t lastRow =
        n == 0 ? 3 : std::max<std::int64_t>(3 + std::min(n, kSamplesPerBlock), spreadsheetCellOf(n - 1).row);
    std::int64_t done = 0;
    char date[32], time[32];
    bool cancelled = false;
    for (std::int64_t row = 4; row <= lastRow && !cancelled; ++row) {
        for (std::int64_t b = 0; b < 4; ++b) {
            const std::int64_t offset = row - 4;
            if (b < 3 && offset >= kSamplesPerBlock) continue;
            const std::int64_t k = offset + kSamplesPerBlock * b;
            if (k >= n) break;
            const SampleRecord& s = samples[static_cast<std::size_t>(k)];
            const auto r = static_cast<lxw_row_t>(row);
            const auto c = static_cast<lxw_col_t>(6 * b);
            worksheet_write_number(sheet, r, c, static_cast<double>(k + 1), nullptr);
            // Dates and times as the values a spreadsheet makes of typed dates and times;
            // fields that are no calendar date or clock time stay the text they were.
            if (const double day = serialDate(s); day > 0) {
                worksheet_write_number(sheet, r, c + 1, day, dateFormat);
            } else {
                std::snprintf(date, sizeof date, "%02d/%02d/%d", s.month, s.day, s.year);
                worksheet_write_string(sheet, r, c + 1, date, nullptr);
            }
            if (s.hour < 24 && s.minute < 60 && s.second < 60) {
                worksheet_write_number(sheet, r, c + 2, (s.hour * 3600 + s.minute * 60 + s.second) / 86400.0,
                                       timeFormat);
            } else {
                std::snprintf(time, sizeof time, "%d:%d:%d", s.hour, s.minute, s.second);
                worksheet_write_string(sheet, r, c + 2, time, nullptr);
            }
            worksheet_write_number(sheet, r, c + 3, s.spo2, nullptr);
            worksheet_write_number(sheet, r, c + 4, s.pulseRate, nullptr);
            ++done;
        }
        if (progress && (row % 1024 == 0 || row == lastRow) && !progress(done, n)) cancelled = true;
    }
    const lxw_error err = workbook_close(book);
    if (cancelled) return Error{Status::Cancelled, path};
    if (err != LXW_NO_ERROR) return workbookFailed(lxw_strerror(err));
    if (!target.commit()) return exportCannotCreate(target);
    return {};
}

} // namespace kestrova
