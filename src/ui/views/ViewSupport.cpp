#include "views/ViewSupport.h"

#include "app/Messages.h"
#include "dialogs/CSetRollStep.h"
#include "model/RecordingModel.h"
#include "settings/Settings.h"
#include "text/StringTable.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace kestrova::ui {

pages::PageData currentPageData(const ViewContext& c) {
    const Settings settings;
    pages::PageData d;
    d.samples = c.model.currentSamples();
    d.patient = c.model.currentPatient;
    d.reportTitle = c.model.reportTitle;
    d.unitSetup = settings.read(setting::UnitSetup);
    d.analysis = &c.analysis;
    d.desaturationsEvent = settings.read(setting::DesaturationsEvent);
    d.pulseEvent = settings.read(setting::PulseEvent);
    d.currentPage = c.model.currentPage;
    return d;
}

namespace {
bool printOn(QPrinter& printer, pages::PageKind kind, const ViewContext& context) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = pages::PageRenderer::logicalPageRect(printer);
    pages::PageRenderer::printPage(painter, printer.logicalDpiX(), printer.logicalDpiY(), page, kind,
                                   currentPageData(context));
    return painter.end();
}
} // namespace

void printView(QWidget* view, pages::PageKind kind, const ViewContext& context, bool preview) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFromTo(1, 1); // a print job has one page
    if (preview) {
        QPrintPreviewDialog dialog(&printer, view);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, view,
                         [&](QPrinter* p) { printOn(*p, kind, context); });
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&printer, view);
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!printOn(printer, kind, context)) Messages::showString(view, str::PrintJobFailed, QMessageBox::Warning);
}

int askRollStep(QWidget* view, int rollStep, int pageCount) {
    CSetRollStep dialog(view);
    dialog.step = rollStep;
    dialog.maxStep = pageCount;
    if (dialog.exec() != QDialog::Accepted) return rollStep;
    return CSetRollStep::acceptRollStep(view, rollStep, dialog.step, pageCount);
}

int pageDownIndex(int current, int rollStep, int pageCount) {
    const int next = current + rollStep < pageCount ? current + rollStep : pageCount - 1;
    return next < 0 ? 0 : next;
}

int pageUpIndex(int current, int rollStep) { return current - rollStep > 0 ? current - rollStep : 0; }

} // namespace kestrova::ui
