// The spreadsheet export, written with libxlsxwriter in constant-memory mode: rows
// must be written in ascending order, so each sheet row gathers the samples of all
// blocks that share it.
#include "base/UniqueFd.h"
#include "files/AtomicFile.h"
#include "files/Export.h"
#include "files/PatientText.h"
#include "text/StringTable.h"
#include "text/TextCodec.h"
#include "text/Translate.h"

#include <xlsxwriter.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
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

// The directory the workbook library stages its sheets in: made by us beside the
// output (so a full system temporary directory cannot cut a sheet short, and the space
// checked is the output's own), removed with whatever it holds when the export ends.
// Named like a temporary file, so one left by a killed export is removed by the next
// write there.
class StagingDirectory {
public:
    explicit StagingDirectory(const std::string& beside) {
        const auto slash = beside.find_last_of('/');
        const std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : beside.substr(0, slash);
        for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
            std::string name = AtomicFile::temporaryName(dir);
            if (::mkdir(name.c_str(), 0700) == 0)
                m_path = std::move(name);
            else if (errno != EEXIST)
                break;
        }
        if (m_path.empty()) m_errno = errno;
    }
    ~StagingDirectory() {
        if (m_path.empty()) return;
        if (DIR* d = ::opendir(m_path.c_str())) {
            while (const dirent* e = ::readdir(d))
                if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                    ::unlink((m_path + "/" + e->d_name).c_str());
            ::closedir(d);
        }
        ::rmdir(m_path.c_str());
    }
    StagingDirectory(const StagingDirectory&) = delete;
    StagingDirectory& operator=(const StagingDirectory&) = delete;
    const std::string& path() const { return m_path; }
    int errorNumber() const { return m_errno; }

private:
    std::string m_path;
    int m_errno = 0;
};

std::uint32_t le32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint32_t le16(const unsigned char* p) {
    return p[0] | (p[1] << 8);
}

// One part of the archive, inflated as it streams by: how many sheet rows it holds and
// whether it ends with a closing tag.
struct PartCheck {
    long long rows = 0;
    long long bytes = 0;
    std::string tail; // the last bytes: the closing tag, and rows across chunks
    void add(const char* data, std::size_t n) {
        // A match never lies wholly in the 4 bytes carried over, so none counts twice.
        std::string window = tail.substr(tail.size() - std::min<std::size_t>(tail.size(), 4));
        window.append(data, n);
        bytes += static_cast<long long>(n);
        for (std::size_t at = 0; (at = window.find("<row ", at)) != std::string::npos; ++at) ++rows;
        tail = window.size() > 64 ? window.substr(window.size() - 64) : window;
    }
    bool closed() const {
        const auto end = tail.find_last_not_of("\r\n ");
        return end != std::string::npos && tail[end] == '>' && tail.rfind("</") != std::string::npos;
    }
};

// Whether the workbook the library wrote is whole: a zip archive whose central
// directory ends where its end record starts, every part inflating to the size the
// directory gives and ending with its closing tag, the sheet with `sheetRows` rows.
// The library does not notice every failed write of its own (a full disk while it
// stages a sheet or copies it into the archive), so the result is read back.
bool isCompleteWorkbook(const std::string& path, long long sheetRows) {
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (!fd || ::fstat(fd.get(), &st) != 0 || st.st_size < 22) return false;
    auto readAt = [&](off_t offset, std::size_t n) {
        std::string bytes(n, '\0');
        if (offset < 0 || ::pread(fd.get(), bytes.data(), n, offset) != static_cast<ssize_t>(n)) bytes.clear();
        return bytes;
    };
    // The end record is 22 bytes, written without a comment.
    const std::string end = readAt(st.st_size - 22, 22);
    const auto* e = reinterpret_cast<const unsigned char*>(end.data());
    if (end.empty() || le32(e) != 0x06054b50) return false;
    const std::uint32_t entries = le16(e + 10), dirSize = le32(e + 12), dirOffset = le32(e + 16);
    if (static_cast<off_t>(dirOffset) + dirSize != st.st_size - 22) return false;
    const std::string dir = readAt(dirOffset, dirSize);
    if (dir.size() != dirSize) return false;
    bool sheetSeen = false;
    std::string in(1 << 16, '\0'), out(1 << 16, '\0');
    for (std::size_t at = 0, i = 0; i < entries; ++i) {
        const auto* c = reinterpret_cast<const unsigned char*>(dir.data() + at);
        if (at + 46 > dir.size() || le32(c) != 0x02014b50) return false;
        const std::uint32_t method = le16(c + 10), packed = le32(c + 20), size = le32(c + 24);
        const std::size_t nameLength = le16(c + 28), extra = le16(c + 30), comment = le16(c + 32);
        const std::uint32_t local = le32(c + 42);
        if (at + 46 + nameLength > dir.size()) return false;
        const std::string name = dir.substr(at + 46, nameLength);
        at += 46 + nameLength + extra + comment;
        const std::string header = readAt(local, 30);
        const auto* h = reinterpret_cast<const unsigned char*>(header.data());
        if (header.empty() || le32(h) != 0x04034b50) return false;
        off_t data = static_cast<off_t>(local) + 30 + le16(h + 26) + le16(h + 28);
        if (data + static_cast<off_t>(packed) > static_cast<off_t>(dirOffset)) return false;
        PartCheck part;
        z_stream z{};
        if (method == Z_DEFLATED && inflateInit2(&z, -MAX_WBITS) != Z_OK) return false;
        int zs = Z_OK;
        for (std::uint32_t left = packed; left > 0 || (method == Z_DEFLATED && zs == Z_OK && z.avail_in > 0);) {
            const std::size_t n = std::min<std::size_t>(left, in.size());
            if (n > 0 && ::pread(fd.get(), in.data(), n, data) != static_cast<ssize_t>(n)) zs = Z_DATA_ERROR;
            data += static_cast<off_t>(n);
            left -= static_cast<std::uint32_t>(n);
            if (zs != Z_OK) break;
            if (method != Z_DEFLATED) {
                part.add(in.data(), n);
                continue;
            }
            z.next_in = reinterpret_cast<Bytef*>(in.data());
            z.avail_in = static_cast<uInt>(n);
            do {
                z.next_out = reinterpret_cast<Bytef*>(out.data());
                z.avail_out = static_cast<uInt>(out.size());
                zs = inflate(&z, Z_NO_FLUSH);
                part.add(out.data(), out.size() - z.avail_out);
            } while (zs == Z_OK && z.avail_out == 0);
            if (zs == Z_STREAM_END) break;
            if (zs != Z_OK) break;
        }
        if (method == Z_DEFLATED) inflateEnd(&z);
        if ((method == Z_DEFLATED && zs != Z_STREAM_END) || part.bytes != size) return false;
        if (name.size() > 4 && name.substr(name.size() - 4) == ".xml" && !part.closed()) return false;
        if (name == "xl/worksheets/sheet1.xml") {
            sheetSeen = true;
            if (part.rows != sheetRows) return false;
        }
    }
    return sheetSeen;
}

} // namespace

ExportStatus writeSpreadsheetExport(const std::string& path, std::span<const SampleRecord> samples,
                                    const PatientRecord& patient, UnitSystem units, const ExportProgress& progress) {
    // The workbook is only written when it is closed, and must replace the target only
    // when complete: libxlsxwriter writes into our unnamed temporary file by its path.
    AtomicFile target(path);
    if (!target.isOpen()) return exportCannotCreate(target);
    const std::string temp = target.writablePath();
    const StagingDirectory staging(target.resolvedPath());
    if (staging.path().empty()) {
        Error e = systemError(path, staging.errorNumber());
        e.messageId = str::CantCreateFile;
        return e;
    }

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char*>(staging.path().c_str());
    lxw_workbook* book = workbook_new_opt(temp.c_str(), &options);
    if (!book) return Error{Status::IoError, path, {}, str::CreateExcelFailed};
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
    errno = 0;
    const lxw_error err = workbook_close(book);
    const int closeErrno = errno;
    if (cancelled) return Error{Status::Cancelled, path};
    // The system's reason in plain words (the library's own text names its zip codes).
    if (err != LXW_NO_ERROR)
        return Error{closeErrno ? statusOfErrno(closeErrno) : Status::IoError, path,
                     closeErrno ? std::string(std::strerror(closeErrno))
                                : ktr("SpreadsheetExport", "the workbook could not be written"),
                     str::CreateExcelFailed, closeErrno};
    // The library does not see every failed write of its own (a full disk while it
    // copies a staged sheet into the archive): the archive must be whole.
    if (!isCompleteWorkbook(temp, 3 + (lastRow - 3)))
        return Error{Status::IoError, path,
                     text::arg(ktr("SpreadsheetExport", "the workbook was not written completely (%1)"),
                               {std::strerror(ENOSPC)}),
                     str::CreateExcelFailed, ENOSPC};
    if (!target.commit()) return exportCannotCreate(target);
    return {};
}

} // namespace kestrova
