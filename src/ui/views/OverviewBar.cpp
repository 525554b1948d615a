#include "views/OverviewBar.h"

#include "model/RecordingModel.h"

#include <QMouseEvent>
#include <QPainter>

namespace kestrova::ui {

OverviewBar::OverviewBar(RecordingDocument& document, QWidget* parent) : QWidget(parent), m_document(document) {
    setFixedHeight(sizeHint().height());
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("The whole recording: click or drag to move the view there"));
    connect(&document, &RecordingDocument::recordingChanged, this, [this] {
        m_stale = true;
        update();
    });
}

void OverviewBar::setVisibleRange(qint64 first, qint64 count) {
    if (first == m_first && count == m_count) return;
    m_first = first;
    m_count = count;
    update();
}

void OverviewBar::resizeEvent(QResizeEvent* event) {
    m_stale = true;
    QWidget::resizeEvent(event);
}

void OverviewBar::paintEvent(QPaintEvent*) {
    if (m_stale) {
        m_columns = pages::reduceOverview(m_document.model().currentSamples(), m_document.events(), width());
        m_stale = false;
    }
    QPainter p(this);
    pages::drawOverview(p, rect(), m_columns, m_first, m_count);
}

void OverviewBar::request(int x) {
    const auto samples = static_cast<std::int64_t>(m_document.model().currentCount());
    if (samples > 0) emit sampleRequested(pages::overviewSampleAt(x, width(), samples));
}

void OverviewBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) request(event->position().toPoint().x());
}

void OverviewBar::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) request(event->position().toPoint().x());
}

} // namespace kestrova::ui
