// The Clinical Summary display (mode 4): the clinical report page by page, each page
// scaled to the window, with the usual paging keys and the page pane. Print and
// preview produce the whole report.
#pragma once

#include "pages/ClinicalReport.h"
#include "views/RecordingView.h"

namespace kestrova::ui {

class ClinicalSummaryView : public RecordingView {
    Q_OBJECT
public:
    explicit ClinicalSummaryView(RecordingDocument& document, QWidget* parent = nullptr);

    void print() override;
    void printPreview() override;
    void pageUp() override;
    void pageDown() override;
    int pageCount() const override { return m_pageCount; }

    // The report's data for the current recording and settings.
    static pages::ClinicalReportData reportData(const RecordingDocument& document);
    // Gathers the data again (after the interpretation or the report settings changed).
    void refresh();
    const pages::ClinicalReportData& data() const { return m_data; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void goToPage(int page) override;

private:
    int shownPage() const;
    void reportPage();

    pages::ClinicalReportData m_data; // computed again only when the recording changes
    int m_pageCount = 1;
};

} // namespace kestrova::ui
