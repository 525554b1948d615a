#include "app/CChildFrame.h"

#include <QEvent>

namespace kestrova::ui {

CChildFrame::CChildFrame(QWidget* view, QWidget* parent)
    : QMdiSubWindow(parent, Qt::FramelessWindowHint | Qt::SubWindow) {
    setWidget(view);
    setAttribute(Qt::WA_DeleteOnClose);
    setSystemMenu(nullptr);
    setOption(QMdiSubWindow::RubberBandResize, false);
}

void CChildFrame::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    if (!isMaximized()) showMaximized();
}

// Whatever tries to restore or minimise it, it stays maximised.
void CChildFrame::changeEvent(QEvent* event) {
    QMdiSubWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMaximized() && isVisible()) showMaximized();
}

} // namespace kestrova::ui
