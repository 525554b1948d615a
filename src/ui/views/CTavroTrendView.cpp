#include "views/CTavroTrendView.h"

#include "model/RecordingModel.h"

#include <QPainter>

namespace kestrova::ui {

CTavroTrendView::CTavroTrendView(const ViewContext& context, QWidget* parent) : RecordingView(context, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void CTavroTrendView::showEvent(QShowEvent* event) {
    RecordingView::showEvent(event);
    emit pageStatus(context().model.currentPage, pageCount());
}

void CTavroTrendView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.drawText(rect(), Qt::AlignCenter,
               QStringLiteral("Trend of patient %1: %2 samples")
                   .arg(context().model.currentPatient.id)
                   .arg(context().model.currentCount()));
    emit pageStatus(context().model.currentPage, pageCount());
}

} // namespace kestrova::ui
