#include "views/ViewSupport.h"

#include "common/Messages.h"
#include "text/StringTable.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace kestrova::ui {

namespace {
bool printOn(QPrinter& printer, pages::PageKind kind, const RecordingDocument& document) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = pages::PageRenderer::logicalPageRect(printer);
    pages::PageRenderer::printPage(painter, printer.logicalDpiX(), printer.logicalDpiY(), page, kind,
                                   document.pageData());
    return painter.end();
}
} // namespace

void printView(QWidget* view, pages::PageKind kind, const RecordingDocument& document, bool preview) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFromTo(1, 1); // a print job has one page
    if (preview) {
        QPrintPreviewDialog dialog(&printer, view);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, view,
                         [&](QPrinter* p) { printOn(*p, kind, document); });
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&printer, view);
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!printOn(printer, kind, document)) Messages::showString(view, str::PrintJobFailed, QMessageBox::Warning);
}

namespace {
// One for the program: every view asks the same way.
RollStepAsker& rollStepAsker() {
    static RollStepAsker asker;
    return asker;
}
} // namespace

void setRollStepAsker(RollStepAsker asker) {
    rollStepAsker() = std::move(asker);
}

int askRollStep(QWidget* view, int rollStep, int pageCount) {
    const RollStepAsker& asker = rollStepAsker();
    return asker ? asker(view, rollStep, pageCount) : rollStep;
}

int pageDownIndex(int current, int rollStep, int pageCount) {
    const int next = current + rollStep < pageCount ? current + rollStep : pageCount - 1;
    return next < 0 ? 0 : next;
}

int pageUpIndex(int current, int rollStep) {
    return current - rollStep > 0 ? current - rollStep : 0;
}

} // namespace kestrova::ui
