#include "pages/PageRenderer.h"

#include "pages/AnalysisPage.h"
#include "pages/TablePage.h"
#include "pages/TrendPage.h"
#include "text/Translate.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace kestrova::pages {
namespace {

void drawKind(QPainter& p, PageKind kind, const QRect& d, const PageData& data, bool printing) {
    switch (kind) {
    case PageKind::Trend: TrendPage::draw(p, d, data); break;
    case PageKind::Table: TablePage::draw(p, d, data); break;
    case PageKind::Analysis: AnalysisPage::draw(p, d, data, printing); break;
    }
}

} // namespace

QImage PageRenderer::renderScreen(PageKind kind, const PageData& data, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    drawKind(p, kind, QRect(QPoint(0, 0), size), data, false);
    return image;
}

void PageRenderer::printPage(QPainter& painter, int dpiX, int dpiY, const QRect& pageRect, PageKind kind,
                             const PageData& data) {
    painter.save();
    painter.setWindow(0, 0, 1000, 700);
    painter.setViewport(viewportExtent(dpiX, dpiY));
    drawKind(painter, kind, QRect(0, 0, pageRect.width(), pageRect.height()), data, true);
    painter.restore();
}

QRect PageRenderer::logicalPageRect(const QPaintDevice& device) {
    const int dx = std::max(1, device.logicalDpiX()), dy = std::max(1, device.logicalDpiY());
    return QRect(0, 0, device.width() * 96 / dx, device.height() * 96 / dy);
}

WriteStatus PageRenderer::writePdf(const std::string& path, PageKind kind, const PageData& data) {
    // Drawn in memory and written in one go, so a failure leaves no partial PDF.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(600);
        pdf.setCreator(QStringLiteral("Kestrova " KESTROVA_VERSION));
        pdf.setTitle(storedText(data.reportTitle) +
                     QCoreApplication::translate("PageRenderer", " - ID %1").arg(data.patient.id));
        QPainter painter;
        if (!painter.begin(&pdf))
            return Error{Status::IoError, path, ktr("PageRenderer", "the PDF could not be drawn")};
        printPage(painter, pdf.logicalDpiX(), pdf.logicalDpiY(), logicalPageRect(pdf), kind, data);
        if (!painter.end()) return Error{Status::IoError, path, ktr("PageRenderer", "the PDF could not be drawn")};
    }
    const QByteArray& bytes = buffer.data();
    return writeFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

WriteStatus PageRenderer::writePng(const std::string& path, const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return Error{Status::IoError, path, ktr("PageRenderer", "the image could not be encoded")};
    const QByteArray& bytes = buffer.data();
    return writeFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

int PageRenderer::pageCount(PageKind kind, const QRect& d, const PageData& data) {
    const auto count = static_cast<std::int64_t>(data.samples.size());
    switch (kind) {
    case PageKind::Trend: return TrendPage::pageCount(count, TrendPage::layout(d, data.span).span);
    case PageKind::Table: {
        const int rows = TablePage::rows(TablePage::tableRect(d, data));
        return TablePage::pageCount(count, TablePage::recordsPerPage(rows));
    }
    case PageKind::Analysis: return 1;
    }
    return 0;
}

} // namespace kestrova::pages
