#include "views/CTavroTableView.h"

#include "model/RecordingModel.h"

#include <QPainter>

namespace kestrova::ui {

CTavroTableView::CTavroTableView(const ViewContext& context, QWidget* parent) : RecordingView(context, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void CTavroTableView::showEvent(QShowEvent* event) {
    RecordingView::showEvent(event);
    emit pageStatus(context().model.currentPage, pageCount());
}

void CTavroTableView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool analysis = context().displayMode == 3;
    p.fillRect(rect(), analysis ? QColor(196, 196, 196) : Qt::white);
    p.drawText(rect(), Qt::AlignCenter,
               QStringLiteral("%1 of patient %2: %3 samples")
                   .arg(analysis ? QStringLiteral("Analysis") : QStringLiteral("Table"))
                   .arg(context().model.currentPatient.id)
                   .arg(context().model.currentCount()));
    emit pageStatus(context().model.currentPage, analysis ? 1 : pageCount());
}

} // namespace kestrova::ui
