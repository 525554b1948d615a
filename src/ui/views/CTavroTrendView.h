// The trend display: the trend page drawn off-screen and copied in one block, with
// the readout by pointing, the keyboard cursor, paging, the wheel and printing.
#pragma once

#include "pages/TrendPage.h"
#include "views/RecordingView.h"

#include <QImage>

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

    // For tests and the keyboard: what the pointer at (x, y) would select.
    void pointAt(int x, int y);
    int samplesPerScreen() const { return m_samplesPerScreen; }
    int rollStepValue() const { return m_rollStep; }
    void setRollStep(int step) { m_rollStep = step; }
    const pages::TrendReadouts& readouts() const { return m_readouts; }
    const pages::Marker& spo2Marker() const { return m_spo2Marker; }
    const pages::Marker& pulseMarker() const { return m_pulseMarker; }
    pages::TrendPage::Layout layout() const { return pages::TrendPage::layout(rect()); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void recomputePages(int width);
    void hideMarkers();

    pages::TrendReadouts m_readouts;
    pages::Marker m_spo2Marker, m_pulseMarker;
    int m_keyCursorX = -100, m_keyCursorIndex = -100;
    int m_samplesPerScreen = 900;
    int m_pageCount = 0;
    int m_rollStep = 1;
    QImage m_image;
};

} // namespace kestrova::ui
