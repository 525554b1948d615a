// The whole-night clinical report: page 1 is the clinical summary (patient header
// band, the figures with their criteria, the night's SpO2 and pulse compressed to the
// page width with the 3 % desaturations marked, time in SpO2 bands); then the whole
// recording as trend strips of one hour. One drawing path for the screen (page 1 of
// the Clinical Summary display), printing and the PDF.
#pragma once

#include "analysis/ClinicalMetrics.h"
#include "files/AtomicFile.h"
#include "pages/PageData.h"

#include <QImage>

class QPagedPaintDevice;

namespace kestrova::pages {

enum class Paper { A4, Letter };

struct ClinicalReportData {
    PageData page;           // samples, patient, title, unit setup
    ClinicalMetrics metrics; // of page.samples
};

class ClinicalReport {
public:
    static constexpr int kStripSeconds = 3600;
    static constexpr int kStripsPerPage = 8;

    // Page size in logical units (1/96 inch, as the printed pages use).
    static QSize pageSize(Paper paper);
    static int pageCount(std::int64_t samples);

    // Draws page `index` (0-based) of the report into `page` (logical units).
    static void drawPage(QPainter& p, const QSize& page, const ClinicalReportData& data, int index);

    // Page 1 as the screen shows it: the page scaled to fit `size`, centred on grey.
    static QImage renderScreen(const ClinicalReportData& data, QSize size);

    // Every page on a begun painter of a paged device (printer, PDF writer).
    static void printAll(QPainter& painter, QPagedPaintDevice& device, const ClinicalReportData& data);

    // The report as a PDF (fonts embedded, text extractable), written only when complete.
    static WriteStatus writePdf(const std::string& path, const ClinicalReportData& data, Paper paper);
};

} // namespace kestrova::pages
