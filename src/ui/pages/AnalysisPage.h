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

    static void draw(QPainter& p, const QRect& d, const PageData& data, bool printing);
};

} // namespace kestrova::pages
