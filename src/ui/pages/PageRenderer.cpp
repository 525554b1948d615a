#include "pages/PageRenderer.h"

#include "pages/AnalysisPage.h"
#include "pages/TablePage.h"
#include "pages/TrendPage.h"

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

bool PageRenderer::writePdf(const QString& path, PageKind kind, const PageData& data) {
    QPdfWriter pdf(path);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(600);
    pdf.setCreator(QStringLiteral("Kestrova"));
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    printPage(painter, pdf.logicalDpiX(), pdf.logicalDpiY(), logicalPageRect(pdf), kind, data);
    return painter.end();
}

int PageRenderer::pageCount(PageKind kind, const QRect& d, const PageData& data) {
    const auto count = static_cast<std::int64_t>(data.samples.size());
    switch (kind) {
    case PageKind::Trend: return TrendPage::pageCount(count, TrendPage::samplesPerScreen(d.width()));
    case PageKind::Table: {
        const int rows = TablePage::rows(TablePage::tableRect(d, data));
        return TablePage::pageCount(count, TablePage::recordsPerPage(rows));
    }
    case PageKind::Analysis: return 1;
    }
    return 0;
}

} // namespace kestrova::pages
