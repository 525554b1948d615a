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
    // Sets the zoom keeping the first sample shown in view.
    void setZoom(int zoom);
    // Samples a page shows now.
    int span() const;
    // The hover readout's text for plot column x, empty outside the plots.
    QString hoverText(int x) const;

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
    std::int64_t firstShown() const { return static_cast<std::int64_t>(document().currentPage()) * span(); }
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
    QImage m_image;
};

} // namespace kestrova::ui
