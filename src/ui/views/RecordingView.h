// What the frame asks of the view that shows the current recording: paging, the
// roll step, printing, and its page position (reported with pageStatus).
#pragma once

#include <QWidget>

namespace kestrova {
class RecordingModel;
struct AnalysisResult;
} // namespace kestrova

namespace kestrova::ui {

// What every view draws from: the recording, the last analysis and the display mode.
struct ViewContext {
    RecordingModel& model;
    const AnalysisResult& analysis;
    const int& displayMode;
};

class RecordingView : public QWidget {
    Q_OBJECT
public:
    explicit RecordingView(const ViewContext& context, QWidget* parent = nullptr)
        : QWidget(parent), m_context(context) {}

    virtual void pageUp() {}
    virtual void pageDown() {}
    virtual void rollStep() {}
    virtual void print() {}
    virtual void printPreview() {}
    virtual int pageCount() const { return 0; }

signals:
    // The frame's page pane follows this: page is 0-based, count 0 means "no pages".
    void pageStatus(int page, int count);

protected:
    const ViewContext& context() const { return m_context; }

private:
    ViewContext m_context;
};

} // namespace kestrova::ui
