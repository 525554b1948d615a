#include "views/CTavroTrendView.h"

#include "model/RecordingModel.h"
#include "pages/HeaderBand.h"
#include "views/ViewSupport.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

namespace kestrova::ui {

using pages::TrendPage;

CTavroTrendView::CTavroTrendView(RecordingDocument& document, QWidget* parent) : RecordingView(document, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    connect(&document, &RecordingDocument::zoomChanged, this, [this] {
        m_anchorFirst = -1;
        hideMarkers();
        m_readouts = {};
        recomputePages(width());
        update();
        reportPage();
        refreshHover();
    });
    connect(&document, &RecordingDocument::recordingChanged, this, [this] { m_anchorFirst = -1; });
    connect(&document, &RecordingDocument::pageChanged, this, [this](int page) {
        // Paging from elsewhere (the overview bar, a new recording) leaves the anchor.
        if (m_anchorFirst >= 0 && page != m_anchorFirst / std::max(1, span())) m_anchorFirst = -1;
    });
}

int CTavroTrendView::span() const {
    const int zoomed = document().span();
    return zoomed > 0 ? zoomed : m_samplesPerScreen;
}

void CTavroTrendView::recomputePages(int width) {
    m_samplesPerScreen = TrendPage::samplesPerScreen(width);
    m_pageCount = TrendPage::pageCount(document().model().currentCount(), span());
}

void CTavroTrendView::reportPage() {
    emit pageStatus(document().currentPage(), m_pageCount);
    emit visibleRangeChanged(firstShown(), span());
}

void CTavroTrendView::showEvent(QShowEvent* event) {
    RecordingView::showEvent(event);
    recomputePages(width());
    reportPage();
}

void CTavroTrendView::paintEvent(QPaintEvent*) {
    const QRect d = rect();
    recomputePages(d.width());
    if (m_image.size() != d.size()) m_image = QImage(d.size(), QImage::Format_RGB32);
    {
        QPainter off(&m_image);
        pages::PageData shown = document().pageData();
        if (m_anchorFirst >= 0) shown.firstSample = m_anchorFirst;
        TrendPage::draw(off, d, shown, &m_readouts, &m_spo2Marker, &m_pulseMarker);
    }
    QPainter screen(this);
    screen.drawImage(0, 0, m_image);
    if (m_hoverX >= 0) {
        // The readout line across both plots: on the screen only, never on paper.
        const auto l = layout();
        screen.setPen(QPen(QColor(0, 0, 0, 110), 1, Qt::DashLine));
        screen.drawLine(m_hoverX, l.spo2Plot.top(), m_hoverX, l.pulseBottom());
    }
    reportPage();
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
    const std::int64_t idx = l.sampleAt(mx, firstShown());
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
    m_pointer = pos;
    pointAt(pos.x(), pos.y());
    hoverAt(pos);
    RecordingView::mouseMoveEvent(event);
}

void CTavroTrendView::leaveEvent(QEvent* event) {
    m_pointer = QPoint(-1, -1);
    hoverAt(m_pointer);
    RecordingView::leaveEvent(event);
}

QString CTavroTrendView::hoverText(int x) const {
    const auto l = layout();
    const auto samples = document().model().currentSamples();
    const auto count = static_cast<std::int64_t>(samples.size());
    if (x <= l.xL() || x > l.xL() + l.samplesPerScreen) return {};
    const std::int64_t a = l.sampleAt(x, firstShown());
    const std::int64_t b = std::min(count, std::max(a + 1, l.sampleAt(x + 1, firstShown())));
    if (a < 0 || a >= count) return {};
    int spo2Lo = 255, spo2Hi = 0, pulseLo = 255, pulseHi = 0;
    for (std::int64_t i = a; i < b; ++i) {
        const SampleRecord& s = samples[static_cast<std::size_t>(i)];
        spo2Lo = std::min<int>(spo2Lo, s.spo2);
        spo2Hi = std::max<int>(spo2Hi, s.spo2);
        pulseLo = std::min<int>(pulseLo, s.pulseRate);
        pulseHi = std::max<int>(pulseHi, s.pulseRate);
    }
    auto range = [](int lo, int hi) {
        return lo == hi ? QString::number(lo) : QStringLiteral("%1\u2013%2").arg(lo).arg(hi);
    };
    const QString time = b - a == 1 ? pages::HeaderBand::timeText(samples[static_cast<std::size_t>(a)])
                                    : pages::HeaderBand::timeText(samples[static_cast<std::size_t>(a)]) +
                                          QStringLiteral("\u2013") +
                                          pages::HeaderBand::timeText(samples[static_cast<std::size_t>(b - 1)]);
    return tr("%1\nSpO2 %2 %\nPulse %3 bpm").arg(time, range(spo2Lo, spo2Hi), range(pulseLo, pulseHi));
}

void CTavroTrendView::hoverAt(const QPoint& pos) {
    const auto l = layout();
    const bool over = (pos.y() >= l.spo2Panel.top() && pos.y() < l.spo2Panel.top() + l.spo2Panel.height()) ||
                      (pos.y() >= l.pulsePanel.top() && pos.y() < l.pulsePanel.top() + l.pulsePanel.height());
    const QString text = over ? hoverText(pos.x()) : QString();
    m_hoverText = text;
    const int x = text.isEmpty() ? -1 : pos.x();
    if (x != m_hoverX) {
        const int old = m_hoverX;
        m_hoverX = x;
        for (int column : {old, x})
            if (column >= 0) update(QRect(column - 1, l.spo2Plot.top(), 3, l.pulseBottom() - l.spo2Plot.top() + 1));
    }
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(mapToGlobal(pos + QPoint(14, 14)), text, this);
}

void CTavroTrendView::keyPressEvent(QKeyEvent* event) {
    const auto l = layout();
    const int left = l.spo2Plot.left();
    const auto samples = document().model().currentSamples();
    const auto count = static_cast<std::int64_t>(samples.size());
    m_keyCursorX = std::max(m_spo2Marker.x, left);
    m_keyCursorIndex = static_cast<int>(l.sampleAt(m_keyCursorX, firstShown()));
    switch (event->key()) {
    case Qt::Key_PageUp: pageUp(); break;
    case Qt::Key_PageDown: pageDown(); break;
    case Qt::Key_Home: firstPage(); break;
    case Qt::Key_End: lastPage(); break;
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
    refreshHover();
    RecordingView::keyPressEvent(event);
}

void CTavroTrendView::wheelEvent(QWheelEvent* event) {
    const bool down = event->angleDelta().y() <= 0;
    if (event->modifiers() & Qt::ControlModifier) {
        const int x = event->position().toPoint().x();
        if (down)
            zoomOutAt(x);
        else
            zoomInAt(x);
    } else if (down) {
        pageDown();
    } else {
        pageUp();
    }
    RecordingView::wheelEvent(event);
}

void CTavroTrendView::setZoom(int zoom) {
    const std::int64_t first = firstShown();
    m_anchorFirst = -1;
    document().setZoom(zoom);
    recomputePages(width());
    document().setCurrentPage(static_cast<int>(first / std::max(1, span())));
    reportPage();
}

// The zoom levels as spans in samples, narrowest first: the steps, the default width
// and the whole recording.
std::vector<int> CTavroTrendView::zoomLevels() const {
    const int whole = std::max(1, static_cast<int>(document().model().currentCount()));
    std::vector<int> levels(std::begin(kZoomSteps), std::end(kZoomSteps));
    levels.push_back(m_samplesPerScreen);
    levels.push_back(whole);
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    levels.erase(
        std::remove_if(levels.begin(), levels.end(), [&](int v) { return v > whole && v != m_samplesPerScreen; }),
        levels.end());
    return levels;
}

void CTavroTrendView::zoomTo(int level) {
    const int whole = std::max(1, static_cast<int>(document().model().currentCount()));
    if (level == m_samplesPerScreen)
        setZoom(RecordingDocument::kDefaultSpan);
    else if (level >= whole)
        setZoom(RecordingDocument::kWholeRecording);
    else
        setZoom(level);
}

void CTavroTrendView::zoomIn() {
    const auto levels = zoomLevels();
    const auto it = std::lower_bound(levels.begin(), levels.end(), span());
    if (it != levels.begin()) zoomTo(*std::prev(it));
}

void CTavroTrendView::zoomOut() {
    const auto levels = zoomLevels();
    const auto it = std::upper_bound(levels.begin(), levels.end(), span());
    if (it != levels.end()) zoomTo(*it);
}

void CTavroTrendView::zoomInAt(int x) {
    const auto levels = zoomLevels();
    const auto it = std::lower_bound(levels.begin(), levels.end(), span());
    if (it != levels.begin()) zoomAround(*std::prev(it), x);
}

void CTavroTrendView::zoomOutAt(int x) {
    const auto levels = zoomLevels();
    const auto it = std::upper_bound(levels.begin(), levels.end(), span());
    if (it != levels.end()) zoomAround(*it, x);
}

// Zooming where one looks: the sample under column x stays under it, the view then
// starting wherever that puts it rather than on a page boundary.
void CTavroTrendView::zoomAround(int level, int x) {
    const auto count = static_cast<std::int64_t>(document().model().currentCount());
    const auto before = layout();
    const bool onPlot = x > before.xL() && x <= before.xL() + before.samplesPerScreen;
    const std::int64_t anchor = before.sampleAt(x, firstShown());
    zoomTo(level);
    if (!onPlot || anchor < 0 || anchor >= count) return;
    const auto after = layout();
    const std::int64_t offset =
        static_cast<std::int64_t>(x - after.xL()) * after.span / std::max(1, after.samplesPerScreen);
    m_anchorFirst = std::max<std::int64_t>(0, anchor - offset);
    document().setCurrentPage(static_cast<int>(m_anchorFirst / std::max(1, span())));
    update();
    reportPage();
    refreshHover();
}

void CTavroTrendView::goToPage(int page) {
    m_anchorFirst = -1;
    document().setCurrentPage(std::clamp(page, 0, std::max(0, m_pageCount - 1)));
    hideMarkers();
    m_readouts = {};
    update();
    reportPage();
    refreshHover();
}

std::int64_t CTavroTrendView::focusSample() const {
    if (!m_spo2Marker.hidden()) return layout().sampleAt(m_spo2Marker.x, firstShown());
    return firstShown() - 1;
}

void CTavroTrendView::showSample(std::int64_t index) {
    const auto count = static_cast<std::int64_t>(document().model().currentCount());
    if (index < 0 || index >= count) return;
    recomputePages(width());
    goToPage(static_cast<int>(index / std::max(1, span())));
    selectSample(index);
}

// The readouts and both cursor arrows on one sample, as pointing at it does.
void CTavroTrendView::selectSample(std::int64_t index) {
    const auto l = layout();
    const SampleRecord& s = document().model().currentSamples()[static_cast<std::size_t>(index)];
    const int x = l.xOf(index, firstShown());
    m_keyCursorX = x;
    m_keyCursorIndex = static_cast<int>(index);
    m_readouts.date = pages::HeaderBand::dateText(s, true);
    m_readouts.time = pages::HeaderBand::timeText(s);
    m_readouts.spo2 = QString::number(s.spo2);
    m_readouts.pulse = QString::number(s.pulseRate);
    auto marker = [](const QRect& plot, int mx, int y) {
        pages::Marker m;
        m.x = mx;
        m.y = y;
        const int top = plot.top(), bottom = plot.top() + plot.height();
        m.extendsDown = y <= top + (bottom - top) / 2;
        m.length = m.extendsDown ? bottom - y : y - top;
        return m;
    };
    m_spo2Marker = marker(l.spo2Plot, x, TrendPage::spo2Y(l, std::min<int>(s.spo2, 100)));
    m_pulseMarker = marker(l.pulsePlot, x, TrendPage::pulseY(l, s.pulseRate));
    update();
}

void CTavroTrendView::pageDown() {
    if (m_pageCount == 0) m_pageCount = 1;
    m_anchorFirst = -1;
    document().setCurrentPage(pageDownIndex(document().currentPage(), m_rollStep, m_pageCount));
    hideMarkers();
    m_readouts = {};
    update();
    reportPage();
    refreshHover();
}

void CTavroTrendView::pageUp() {
    m_anchorFirst = -1;
    document().setCurrentPage(pageUpIndex(document().currentPage(), m_rollStep));
    hideMarkers();
    update();
    reportPage();
    refreshHover();
}

void CTavroTrendView::rollStep() {
    m_rollStep = askRollStep(this, m_rollStep, m_pageCount);
}

void CTavroTrendView::print() {
    printView(this, pages::PageKind::Trend, document(), false);
}

void CTavroTrendView::printPreview() {
    printView(this, pages::PageKind::Trend, document(), true);
}

} // namespace kestrova::ui
