// The patient header band at the top of every page: title, patient data, start and end
// of the recording, comments. Three variants: trend, table and analysis sheet.
#pragma once

#include "pages/PageData.h"

class QPainter;

namespace kestrova::pages {

class HeaderBand {
public:
    // The trend page's band in its drawing rectangle `d`; the trend lays its panels out below it.
    static QRect trendBand(const QRect& d);
    // Each returns the bottom below which the caller draws: the band's bottom (trend),
    // the date block's bottom (table, analysis).
    static int drawTrend(QPainter& p, const QRect& d, const PageData& data);
    static int drawTable(QPainter& p, const QRect& d, const PageData& data);
    static int drawAnalysis(QPainter& p, const QRect& sheet, const PageData& data);
    // What drawAnalysis and drawTable return, without drawing.
    static int analysisBottom(const QRect& sheet);
    static int tableBottom(const QRect& d);

    // Height and weight as shown with the current unit system.
    static QString heightText(const PatientRecord& patient, UnitSystem units);
    static QString weightText(const PatientRecord& patient, UnitSystem units);
    // "20%02d/%02d/%02d" (withCentury) or "%02d/%02d/%02d", and "%02d:%02d:%02d".
    static QString dateText(const SampleRecord& s, bool withCentury);
    static QString timeText(const SampleRecord& s);
};

} // namespace kestrova::pages
