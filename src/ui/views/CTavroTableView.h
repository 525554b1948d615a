// The table display (mode 2) and the analysis sheet (mode 3): drawn off-screen and
// copied in one block; paging, the wheel and the roll step work in table mode only.
#pragma once

#include "views/RecordingView.h"

#include <QImage>

namespace kestrova::ui {

class CTavroTableView : public RecordingView {
    Q_OBJECT
public:
    explicit CTavroTableView(RecordingDocument& document, QWidget* parent = nullptr);

    void pageUp() override;
    void pageDown() override;
    void rollStep() override;
    void print() override;
    void printPreview() override;
    int pageCount() const override { return m_pageCount; }
    bool pagesSamples() const override { return tableMode(); }
    void showSample(std::int64_t index) override;
    std::int64_t focusSample() const override;
    int rollStepValue() const { return m_rollStep; }
    void setRollStep(int step) { m_rollStep = step; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool tableMode() const { return document().displayMode() == DisplayMode::Table; }
    void reportPage();
    void goToPage(int page) override;
    int recordsPerPage() const;

    int m_pageCount = 0;
    int m_rollStep = 1;
    QImage m_image;
};

} // namespace kestrova::ui
