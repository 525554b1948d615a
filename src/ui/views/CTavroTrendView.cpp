#include "views/CTavroTrendView.h"

#include "model/RecordingModel.h"
#include "pages/HeaderBand.h"
#include "views/ViewSupport.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace kestrova::ui {

using pages::TrendPage;

CTavroTrendView::CTavroTrendView(RecordingDocument& document, QWidget* parent) : RecordingView(document, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void CTavroTrendView::recomputePages(int width) {
    m_samplesPerScreen = TrendPage::samplesPerScreen(width);
    m_pageCount = TrendPage::pageCount(document().model().currentCount(), m_samplesPerScreen);
}

void CTavroTrendView::showEvent(QShowEvent* event) {
    RecordingView::showEvent(event);
    recomputePages(width());
    emit pageStatus(document().currentPage(), m_pageCount);
}

void CTavroTrendView::paintEvent(QPaintEvent*) {
    const QRect d = rect();
    recomputePages(d.width());
    if (m_image.size() != d.size()) m_image = QImage(d.size(), QImage::Format_RGB32);
    {
        QPainter off(&m_image);
        TrendPage::draw(off, d, document().pageData(), &m_readouts, &m_spo2Marker, &m_pulseMarker);
    }
    QPainter(this).drawImage(0, 0, m_image);
    emit pageStatus(document().currentPage(), m_pageCount);
}

void CTavroTrendView::resizeEvent(QResizeEvent* event) {
    RecordingView::resizeEvent(event);
    hideMarkers();
}

void CTavroTrendView::hideMarkers() {
    m_spo2Marker = {};
    m_pulseMarker = {};
}

void CTavroTrendView::pointAt(int mx, int my) {
    const auto l = layout();
    const auto samples = document().model().currentSamples();
    const std::int64_t idx = static_cast<std::int64_t>(document().currentPage()) * l.samplesPerScreen +
                             (mx - l.spo2Plot.left());
    if (idx < 0 || idx >= static_cast<std::int64_t>(samples.size())) return;
    const SampleRecord& s = samples[static_cast<std::size_t>(idx)];
    const int yS = TrendPage::spo2Y(l, s.spo2), yP = TrendPage::pulseY(l, s.pulseRate);
    auto marker = [](const QRect& plot, int x, int y) {
        pages::Marker m;
        m.x = x;
        m.y = y;
        const int top = plot.top(), bottom = plot.top() + plot.height();
        if (y > top + (bottom - top) / 2) {
            m.length = y - top;
            m.extendsDown = false;
        } else {
            m.length = bottom - y;
            m.extendsDown = true;
        }
        return m;
    };
    auto select = [&] {
        m_readouts.date = pages::HeaderBand::dateText(s, true);
        m_readouts.time = pages::HeaderBand::timeText(s);
        m_readouts.spo2 = QString::number(s.spo2);
        m_readouts.pulse = QString::number(s.pulseRate);
        m_spo2Marker = marker(l.spo2Plot, mx, yS);
        m_pulseMarker = marker(l.pulsePlot, mx, yP);
        update(l.spo2Readouts);
        update(l.pulseReadouts);
        update(l.spo2Plot.adjusted(-6, -1, 6, 1));
        update(l.pulsePlot.adjusted(-6, -1, 6, 1));
    };
    if (l.spo2Plot.contains(mx, my) && yS == my) select();
    if (l.pulsePlot.contains(mx, my) && yP == my) select();
}

void CTavroTrendView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    pointAt(pos.x(), pos.y());
    RecordingView::mouseMoveEvent(event);
}

void CTavroTrendView::keyPressEvent(QKeyEvent* event) {
    const auto l = layout();
    const int left = l.spo2Plot.left();
    const auto samples = document().model().currentSamples();
    const auto count = static_cast<std::int64_t>(samples.size());
    m_keyCursorX = std::max(m_spo2Marker.x, left);
    m_keyCursorIndex = document().currentPage() * l.samplesPerScreen + m_keyCursorX - left;
    switch (event->key()) {
    case Qt::Key_PageUp: pageUp(); break;
    case Qt::Key_PageDown: pageDown(); break;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        if (event->key() == Qt::Key_Left && m_keyCursorIndex > 0) {
            if (m_keyCursorX > left) {
                --m_keyCursorX;
                --m_keyCursorIndex;
            } else {
                --m_keyCursorIndex;
                m_keyCursorX = left + l.samplesPerScreen;
                pageUp();
            }
        } else if (event->key() == Qt::Key_Right && m_keyCursorIndex + 1 < count) {
            if (m_keyCursorX < left + l.samplesPerScreen) {
                ++m_keyCursorX;
                ++m_keyCursorIndex;
            } else {
                ++m_keyCursorIndex;
                m_keyCursorX = left + 1;
                pageDown();
            }
        }
        if (m_keyCursorIndex >= 0 && m_keyCursorIndex < count)
            pointAt(m_keyCursorX, TrendPage::spo2Y(l, samples[static_cast<std::size_t>(m_keyCursorIndex)].spo2));
        break;
    }
    default: break;
    }
    RecordingView::keyPressEvent(event);
}

void CTavroTrendView::wheelEvent(QWheelEvent* event) {
    if (event->angleDelta().y() <= 0) pageDown();
    else pageUp();
    RecordingView::wheelEvent(event);
}

void CTavroTrendView::pageDown() {
    if (m_pageCount == 0) m_pageCount = 1;
    document().setCurrentPage(pageDownIndex(document().currentPage(), m_rollStep, m_pageCount));
    hideMarkers();
    m_readouts = {};
    update();
    emit pageStatus(document().currentPage(), m_pageCount);
}

void CTavroTrendView::pageUp() {
    document().setCurrentPage(pageUpIndex(document().currentPage(), m_rollStep));
    hideMarkers();
    update();
    emit pageStatus(document().currentPage(), m_pageCount);
}

void CTavroTrendView::rollStep() { m_rollStep = askRollStep(this, m_rollStep, m_pageCount); }

void CTavroTrendView::print() { printView(this, pages::PageKind::Trend, document(), false); }

void CTavroTrendView::printPreview() { printView(this, pages::PageKind::Trend, document(), true); }

} // namespace kestrova::ui
