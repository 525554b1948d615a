// One entry point for every target: the screen image of a page, a printed page on
// any paint device (printer, preview, PDF) in 1/96-inch logical units, and PDF files.
#pragma once

#include "files/AtomicFile.h"
#include "pages/PageData.h"

#include <QImage>

class QPaintDevice;

namespace kestrova::pages {

enum class PageKind { Trend, Table, Analysis };

class PageRenderer {
public:
    // The page as the view shows it at `size` pixels (trend cursor arrows hidden).
    static QImage renderScreen(PageKind kind, const PageData& data, QSize size);

    // Draws one printed page on `painter` (already begun on its device). The logical
    // unit is 1/96 inch: window (1000, 700), viewport (dpiX * 1000 / 96, dpiY * 700 / 96).
    // `pageRect` is the drawing rectangle in those units.
    static void printPage(QPainter& painter, int dpiX, int dpiY, const QRect& pageRect, PageKind kind,
                          const PageData& data);
    static QRect viewportExtent(int dpiX, int dpiY) { return QRect(0, 0, dpiX * 1000 / 96, dpiY * 700 / 96); }
    // The printable area of a device in 1/96-inch units.
    static QRect logicalPageRect(const QPaintDevice& device);

    // The printed page as an A4 PDF of exactly one page, titled with the report title
    // and patient ID. The file is replaced only by a complete PDF.
    static WriteStatus writePdf(const std::string& path, PageKind kind, const PageData& data);
    // An image as a PNG file, replaced only by a complete one.
    static WriteStatus writePng(const std::string& path, const QImage& image);

    // Page count of `kind` for a drawing rectangle `d`.
    static int pageCount(PageKind kind, const QRect& d, const PageData& data);
};

} // namespace kestrova::pages
