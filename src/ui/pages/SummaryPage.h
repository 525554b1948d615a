// Page 1 of the clinical report: the clinic's header and the report's title, the
// patient and the study, the results with their grading and criteria, the whole
// night's SpO2 and pulse, time in SpO2 bands and the pulse histogram, and the
// interpretation with the lines the physician signs on.
#pragma once

#include "pages/ClinicalReport.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

class QPainter;

namespace kestrova::pages {

class SummaryPage {
public:
    enum class Grade { Normal, Mild, Moderate, Severe };
    // ODI (events per hour) against the common adult cut-offs 5, 15 and 30 per hour.
    static Grade odiGrade(double perHour);
    // T90 (% of valid time) against 1, 10 and 25 %.
    static Grade t90Grade(double percent);
    static QString gradeName(Grade g);

    // Valid time below which the results line warns.
    static constexpr std::int64_t kCautionSeconds = 4 * 3600;

    // The patient's and the study's facts as label and value, leaving out what was
    // never entered.
    static std::vector<std::pair<QString, QString>> patientFacts(const ClinicalReportData& data);
    static std::vector<std::pair<QString, QString>> studyFacts(const ClinicalReportData& data);

    // Draws the page; returns the plot areas, where no text is drawn.
    static std::vector<QRect> draw(QPainter& p, const QSize& page, const ClinicalReportData& data);
};

} // namespace kestrova::pages
