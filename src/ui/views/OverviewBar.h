// The overview bar under the trend and table views: the whole recording, its 3 %
// desaturations and artefact stretches, with the part the view shows highlighted.
// A click or a drag asks the view to show that part of the recording. A widget of
// its own, so the drawn pages, printing and PDF stay as they are.
#pragma once

#include "common/RecordingDocument.h"
#include "pages/OverviewStrip.h"

#include <QWidget>

namespace kestrova::ui {

class OverviewBar : public QWidget {
    Q_OBJECT
public:
    explicit OverviewBar(RecordingDocument& document, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {400, 44}; }
    std::int64_t shownFirst() const { return m_first; }

public slots:
    void setVisibleRange(qint64 first, qint64 count);

signals:
    void sampleRequested(qint64 index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void request(int x);

    RecordingDocument& m_document;
    pages::OverviewColumns m_columns; // for the current width and recording
    bool m_stale = true;
    std::int64_t m_first = 0, m_count = 0;
};

} // namespace kestrova::ui
