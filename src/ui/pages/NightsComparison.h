// One patient's nights side by side: a table of each night's figures (date, duration,
// valid hours, ODI 3 % and 4 %, T90, nadir, mean SpO2) and a chart of ODI 3 %, T90 and
// the nadir per night, the dates on the x axis. The report's follow-up page, the
// Studies window and its printout all draw it here.
#pragma once

#include "pages/ClinicalReport.h"

#include <QRect>
#include <QRectF>

#include <vector>

class QPainter;

namespace kestrova::pages {

class NightsComparison {
public:
    struct Layout {
        QRect table, chart, legend; // chart: the plot area, where no text is drawn
        int rows = 0;               // table rows shown: the latest nights that fit
    };
    static Layout layout(const QRectF& r, std::size_t nights);

    // Nights in the order given (oldest first).
    static void draw(QPainter& p, const QRectF& r, const std::vector<FollowUpNight>& nights);
};

} // namespace kestrova::pages
