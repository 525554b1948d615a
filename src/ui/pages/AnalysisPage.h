// The analysis sheet: header, summary table of events and thresholds, the criteria
// sentences and the graphic summary (compressed trends with event strips).
#pragma once

#include "pages/PageData.h"

namespace kestrova::pages {

class AnalysisPage {
public:
    // The white sheet: A4-proportioned on a grey margin on screen, all of `d` on paper.
    static QRect sheetRect(const QRect& d, bool printing);
    // k samples share one unit of x in the compressed trends of a sheet.
    static int compression(std::int64_t count, const QRect& sheet);

    // Where everything on the sheet goes, for a drawing rectangle and a sample count.
    struct Geometry {
        QRect sheet;
        int headerBottom = 0;    // below the patient and date block
        QRect summary;           // the table of events and thresholds, then the criteria
        int column = 0;          // width of a half of the table
        int graphicTitleTop = 0; // "Graphic Summary"
        int scaleLeft = 0;       // scale labels; each plot's axis is 20 units right of it
        int plotRight = 0;
        int bottom = 0; // the lowest the time labels reach
        int spo2Top = 0, pulseTop = 0, graphHeight = 0;
        int pulseTitleTop = 0;
        int stripGap = 0, stripHeight = 0; // an event strip lies stripGap below its plot
        int timeAxis = 0;
        int samplesPerUnit = 1; // compression of the trends
    };
    static Geometry geometry(const QRect& d, bool printing, std::int64_t count);

    static void draw(QPainter& p, const QRect& d, const PageData& data, bool printing);
};

} // namespace kestrova::pages
