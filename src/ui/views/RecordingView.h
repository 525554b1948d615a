// What the frame asks of the view that shows the current recording: paging, the
// roll step, printing, and its page position (reported with pageStatus). Every view
// draws from the recording document and repaints when it announces a change.
#pragma once

#include "common/RecordingDocument.h"

#include <QWidget>

namespace kestrova::ui {

class RecordingView : public QWidget {
    Q_OBJECT
public:
    explicit RecordingView(RecordingDocument& document, QWidget* parent = nullptr)
        : QWidget(parent), m_document(document) {
        auto repaint = [this] { update(); };
        connect(&document, &RecordingDocument::recordingChanged, this, repaint);
        connect(&document, &RecordingDocument::pageChanged, this, repaint);
        connect(&document, &RecordingDocument::analysisChanged, this, repaint);
        connect(&document, &RecordingDocument::detailsChanged, this, repaint);
    }

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
    RecordingDocument& document() const { return m_document; }

private:
    RecordingDocument& m_document;
};

} // namespace kestrova::ui
