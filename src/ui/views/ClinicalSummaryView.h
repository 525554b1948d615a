// The Clinical Summary display (mode 4): page 1 of the clinical report, scaled to the
// window. Print and preview produce the whole report.
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
    int pageCount() const override { return 1; }

    // The report's data for the current recording and settings.
    static pages::ClinicalReportData reportData(const RecordingDocument& document);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    pages::ClinicalReportData m_data; // computed again only when the recording changes
};

} // namespace kestrova::ui
