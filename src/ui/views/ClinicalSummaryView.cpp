#include "views/ClinicalSummaryView.h"

#include "common/Messages.h"
#include "model/RecordingModel.h"
#include "text/StringTable.h"
#include "views/ViewSupport.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace kestrova::ui {
namespace {
bool printReport(QPrinter& printer, const pages::ClinicalReportData& data) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    pages::ClinicalReport::printAll(painter, printer, data);
    return painter.end();
}
} // namespace

ClinicalSummaryView::ClinicalSummaryView(RecordingDocument& document, QWidget* parent)
    : RecordingView(document, parent), m_data(reportData(document)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    connect(&document, &RecordingDocument::recordingChanged, this, [this] { m_data = reportData(this->document()); });
}

pages::ClinicalReportData ClinicalSummaryView::reportData(const RecordingDocument& document) {
    pages::ClinicalReportData data;
    data.page = document.pageData();
    data.metrics = computeClinicalMetrics(data.page.samples);
    return data;
}

void ClinicalSummaryView::showEvent(QShowEvent* event) {
    RecordingView::showEvent(event);
    emit pageStatus(0, 1);
}

void ClinicalSummaryView::paintEvent(QPaintEvent*) {
    m_data.page.patient = document().model().currentPatient(); // edited details show at once
    m_data.page.reportTitle = document().model().reportTitle();
    QPainter p(this);
    p.drawImage(0, 0, pages::ClinicalReport::renderScreen(m_data, size()));
    emit pageStatus(0, 1); // like the analysis sheet: one page on screen
}

void ClinicalSummaryView::print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!printReport(printer, m_data)) Messages::showString(this, str::PrintJobFailed, QMessageBox::Warning);
}

void ClinicalSummaryView::printPreview() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { printReport(*p, m_data); });
    dialog.exec();
}

} // namespace kestrova::ui
