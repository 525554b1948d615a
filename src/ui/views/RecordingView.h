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

    // Navigation beside the paging. Whether the view pages through samples (and so
    // has an overview bar), the page holding a sample (with the cursor on it where
    // the view has one), and the sample a search for the next event starts after.
    virtual bool pagesSamples() const { return false; }
    virtual void showSample(std::int64_t /*index*/) {}
    virtual std::int64_t focusSample() const { return -1; }
    void firstPage() { goToPage(0); }
    void lastPage() { goToPage(pageCount() - 1); }

signals:
    // The samples the view shows now (first and how many), for the overview bar.
    void visibleRangeChanged(qint64 first, qint64 count);
    // The frame's page pane follows this: page is 0-based, count 0 means "no pages".
    void pageStatus(int page, int count);

protected:
    RecordingDocument& document() const { return m_document; }
    virtual void goToPage(int /*page*/) {}

private:
    RecordingDocument& m_document;
};

} // namespace kestrova::ui
