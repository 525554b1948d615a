// The trend display: the trend page drawn off-screen and copied in one block, with
// the readout by pointing, the keyboard cursor, paging, the wheel and printing.
#pragma once

#include "pages/TrendPage.h"
#include "views/RecordingView.h"

#include <QImage>

#include <vector>

namespace kestrova::ui {

class CTavroTrendView : public RecordingView {
    Q_OBJECT
public:
    explicit CTavroTrendView(RecordingDocument& document, QWidget* parent = nullptr);

    void pageUp() override;
    void pageDown() override;
    void rollStep() override;
    void print() override;
    void printPreview() override;
    int pageCount() const override { return m_pageCount; }
    bool pagesSamples() const override { return true; }
    void showSample(std::int64_t index) override;
    std::int64_t focusSample() const override;

    // Zoom steps: seconds a page shows, narrowest first. The default span (one sample
    // per unit of width) and the whole recording are steps too.
    static constexpr int kZoomSteps[] = {300, 900, 1800, 3600, 7200, 14400, 28800};
    // One step narrower (in) or wider (out), the whole recording being the widest.
    void zoomIn();
    void zoomOut();
    // The same, keeping the sample under plot column x at x (Ctrl+wheel).
    void zoomInAt(int x);
    void zoomOutAt(int x);
    // Sets the zoom keeping the first sample shown in view.
    void setZoom(int zoom);
    // Samples a page shows now.
    int span() const;
    // The hover readout's text for plot column x, empty outside the plots.
    QString hoverText(int x) const;
    // The first sample the plots show now.
    std::int64_t shownFirst() const { return firstShown(); }
    // The readout shown for the pointer now, empty when none is shown.
    const QString& hoverReadout() const { return m_hoverText; }

    // For tests and the keyboard: what the pointer at (x, y) would select.
    void pointAt(int x, int y);
    int samplesPerScreen() const { return m_samplesPerScreen; }
    int rollStepValue() const { return m_rollStep; }
    void setRollStep(int step) { m_rollStep = step; }
    const pages::TrendReadouts& readouts() const { return m_readouts; }
    const pages::Marker& spo2Marker() const { return m_spo2Marker; }
    const pages::Marker& pulseMarker() const { return m_pulseMarker; }
    pages::TrendPage::Layout layout() const { return pages::TrendPage::layout(rect(), document().span()); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void goToPage(int page) override;

private:
    void recomputePages(int width);
    void hideMarkers();
    std::int64_t firstShown() const {
        return m_anchorFirst >= 0 ? m_anchorFirst : static_cast<std::int64_t>(document().currentPage()) * span();
    }
    // The readout again for where the pointer is now, after what it shows moved.
    void refreshHover() { hoverAt(m_pointer); }
    void zoomAround(int level, int x);
    void reportPage();
    void hoverAt(const QPoint& pos);
    void selectSample(std::int64_t index);
    std::vector<int> zoomLevels() const;
    void zoomTo(int level);

    pages::TrendReadouts m_readouts;
    pages::Marker m_spo2Marker, m_pulseMarker;
    int m_keyCursorX = -100, m_keyCursorIndex = -100;
    int m_samplesPerScreen = 900;
    int m_pageCount = 0;
    int m_rollStep = 1;
    int m_hoverX = -1; // the readout line's column, -1 when the pointer is off the plots
    QString m_hoverText;
    QPoint m_pointer{-1, -1}; // where the pointer is over the view, (-1, -1) when it is not
    // The first sample shown after a zoom around the pointer, -1 when pages start shown.
    std::int64_t m_anchorFirst = -1;
    QImage m_image;
};

} // namespace kestrova::ui
