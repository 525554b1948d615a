#include "views/ClinicalSummaryView.h"

#include "common/Messages.h"
#include "model/RecordingModel.h"
#include "settings/ReportSettings.h"
#include "text/StringTable.h"
#include "views/ViewSupport.h"

#include <QKeyEvent>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWheelEvent>

#include <algorithm>

namespace kestrova::ui {
namespace {
bool printReport(QPrinter& printer, const pages::ClinicalReportData& data) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    pages::ClinicalReport::printAll(painter, printer, data);
    return painter.end();
}

void choosePaper(QPrinter& printer, const pages::ClinicalReportData& data) {
    printer.setPageSize(QPageSize(data.header.paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4));
}
} // namespace

ClinicalSummaryView::ClinicalSummaryView(RecordingDocument& document, QWidget* parent)
    : RecordingView(document, parent), m_data(reportData(document)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_pageCount = pages::ClinicalReport::pageCount(m_data, m_data.header.paper);
    connect(&document, &RecordingDocument::recordingChanged, this, &ClinicalSummaryView::refresh);
    // The interpretation, the confirmation and the nights compared are details too.
    connect(&document, &RecordingDocument::detailsChanged, this, &ClinicalSummaryView::refresh);
}

pages::ClinicalReportData ClinicalSummaryView::reportData(const RecordingDocument& document) {
    pages::ClinicalReportData data;
    data.page = document.pageData();
    data.metrics = computeClinicalMetrics(data.page.samples);
    data.header = ReportSettings::read(document.settings());
    data.deviceType = document.study() ? document.deviceType() : document.model().deviceType();
    data.reportDate = QDate::currentDate();
    data.interpretation = document.interpretation();
    data.patientConfirmed = document.patientConfirmed();
    data.followUp = document.followUp();
    return data;
}

void ClinicalSummaryView::refresh() {
    m_data = reportData(document());
    m_pageCount = pages::ClinicalReport::pageCount(m_data, m_data.header.paper);
    update();
    reportPage();
}

int ClinicalSummaryView::shownPage() const {
    return std::clamp(document().currentPage(), 0, std::max(0, m_pageCount - 1));
}

void ClinicalSummaryView::reportPage() {
    if (isVisible()) emit pageStatus(shownPage(), m_pageCount);
}

void ClinicalSummaryView::showEvent(QShowEvent* event) {
    RecordingView::showEvent(event);
    emit pageStatus(shownPage(), m_pageCount);
}

void ClinicalSummaryView::paintEvent(QPaintEvent*) {
    m_data.page.patient = document().model().currentPatient(); // edited details show at once
    m_data.page.reportTitle = document().model().reportTitle();
    m_data.page.units = document().pageData().units;
    // Drawn at the screen's own pixels, so the page stays sharp at any scale factor.
    const qreal ratio = devicePixelRatioF();
    QImage page = pages::ClinicalReport::renderScreen(m_data, (QSizeF(size()) * ratio).toSize(), shownPage(),
                                                      m_data.header.paper);
    page.setDevicePixelRatio(ratio);
    QPainter p(this);
    p.drawImage(0, 0, page);
    emit pageStatus(shownPage(), m_pageCount);
}

void ClinicalSummaryView::goToPage(int page) {
    document().setCurrentPage(std::clamp(page, 0, std::max(0, m_pageCount - 1)));
    update();
    reportPage();
}

void ClinicalSummaryView::pageDown() {
    goToPage(shownPage() + 1);
}

void ClinicalSummaryView::pageUp() {
    goToPage(shownPage() - 1);
}

void ClinicalSummaryView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_PageDown: pageDown(); break;
    case Qt::Key_PageUp: pageUp(); break;
    case Qt::Key_Home: firstPage(); break;
    case Qt::Key_End: lastPage(); break;
    default: RecordingView::keyPressEvent(event); return;
    }
}

void ClinicalSummaryView::wheelEvent(QWheelEvent* event) {
    if (event->angleDelta().y() < 0)
        pageDown();
    else if (event->angleDelta().y() > 0)
        pageUp();
    event->accept();
}

void ClinicalSummaryView::print() {
    QPrinter printer(QPrinter::HighResolution);
    choosePaper(printer, m_data);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!printReport(printer, m_data)) Messages::showString(this, str::PrintJobFailed, QMessageBox::Warning);
}

void ClinicalSummaryView::printPreview() {
    QPrinter printer(QPrinter::HighResolution);
    choosePaper(printer, m_data);
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { printReport(*p, m_data); });
    dialog.exec();
}

} // namespace kestrova::ui
