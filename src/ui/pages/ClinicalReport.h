// The whole-night clinical report a physician signs: page 1 is the summary (the
// clinic's header, the patient and the study, the figures with their grading and
// criteria, the night's SpO2 and pulse, time in SpO2 bands, the pulse histogram and
// the interpretation with the signature lines); then the night hour by hour with its
// deepest desaturations; then, for a patient with several nights, their comparison;
// then full disclosure, one hour per strip. One drawing path for the screen (the
// Clinical Summary display), printing and the PDF.
#pragma once

#include "analysis/ClinicalMetrics.h"
#include "files/AtomicFile.h"
#include "library/StudyLibrary.h"
#include "pages/PageData.h"
#include "settings/ReportSettings.h"

#include <QDate>
#include <QImage>

#include <string>
#include <vector>

class QPagedPaintDevice;

namespace kestrova::pages {

using Paper = PaperSize;

// One night of the patient's follow-up, for the comparison page.
struct FollowUpNight {
    std::string start; // "YYYY-MM-DDTHH:MM:SS"
    StudyFigures figures;
};

struct ClinicalReportData {
    PageData page;                       // samples, patient, title, unit setup
    ClinicalMetrics metrics;             // of page.samples
    ReportSettings header;               // the clinic; nothing printed for what is unset
    std::string interpretation;          // UTF-8; empty: a ruled box to write in
    bool patientConfirmed = true;        // false: the details are the patient list's proposal
    std::int32_t deviceType = 0;         // 0: not known, not printed
    QDate reportDate;                    // when the report is made; null: not printed
    std::string version;                 // "Kestrova <version>"; empty: this build's version
    std::vector<FollowUpNight> followUp; // more than one: a comparison page
};

// What one page of the report shows.
struct ReportPage {
    enum class Kind { Summary, Hours, FollowUp, Disclosure };
    Kind kind = Kind::Summary;
    int firstRow = 0, rows = 0; // Hours: the clock hours on this page
    bool events = false;        // Hours: the deepest desaturations and the rule follow the rows
    int firstStrip = 0;         // Disclosure: the first hour strip
};

class ClinicalReport {
public:
    static constexpr int kStripSeconds = 3600;
    static constexpr int kStripsPerPage = 6;
    static constexpr int kMargin = 38; // 1 cm

    // Page size in logical units (1/96 inch, as the printed pages use).
    static QSize pageSize(Paper paper);
    // The pages of the report on paper of `page` size.
    static std::vector<ReportPage> plan(const ClinicalReportData& data, const QSize& page);
    static int pageCount(const ClinicalReportData& data, Paper paper);

    // Draws page `index` (0-based) of the report into `page` (logical units); returns
    // the plot areas of the page, where no text is drawn.
    static std::vector<QRect> drawPage(QPainter& p, const QSize& page, const ClinicalReportData& data, int index);

    // Page `index` as the screen shows it: scaled to fit `size`, centred on grey.
    static QImage renderScreen(const ClinicalReportData& data, QSize size, int index = 0, Paper paper = Paper::A4);

    // Every page on a begun painter of a paged device (printer, PDF writer).
    static void printAll(QPainter& painter, QPagedPaintDevice& device, const ClinicalReportData& data);

    // The report as a PDF (fonts embedded, text extractable), written only when complete.
    static WriteStatus writePdf(const std::string& path, const ClinicalReportData& data, Paper paper);
};

} // namespace kestrova::pages
