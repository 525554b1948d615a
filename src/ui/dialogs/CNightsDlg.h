// "Nights of one patient": the figures of several nights side by side and their chart
// (ODI 3 %, T90 and nadir per night), drawn by the same routine as the clinical
// report's follow-up page; printable, and the latest night opens with the others on
// its report.
#pragma once

#include "pages/ClinicalReport.h"

#include <QDialog>

#include <vector>

namespace kestrova::ui {

class CNightsDlg : public QDialog {
    Q_OBJECT
public:
    // `nights`: oldest first.
    CNightsDlg(const QString& patient, std::vector<pages::FollowUpNight> nights, QWidget* parent = nullptr);

    const std::vector<pages::FollowUpNight>& nights() const { return m_nights; }
    void print();

private:
    QString m_patient;
    std::vector<pages::FollowUpNight> m_nights;
};

} // namespace kestrova::ui
