// The table page: header, a grid of two halves with column titles, and numbered rows
// of date, time, SpO2 and PR, 2 x (R - 2) records per page.
#pragma once

#include "pages/PageData.h"

namespace kestrova::pages {

class TablePage {
public:
    static constexpr int kRowHeight = 22;

    // The grid's rectangle below the header band of the drawing rectangle `d`.
    static QRect tableRect(const QRect& d, const PageData& data);
    static int rows(const QRect& table) { return table.height() / kRowHeight; }
    // Records per page; 0 when fewer than 3 rows fit.
    static int recordsPerPage(int rows) { return rows < 3 ? 0 : 2 * rows - 4; }
    static int pageCount(std::int64_t count, int recordsPerPage);
    // The record number (1-based) shown in half `half`, row `row` (2 .. R - 1) of `page`.
    static std::int64_t recordNumber(int half, int row, int page, int rows) {
        return (static_cast<std::int64_t>(half) + 2LL * page) * (rows - 2) + row - 1;
    }

    // Draws the page; returns the page count, or -1 when fewer than 3 rows fit.
    static int draw(QPainter& p, const QRect& d, const PageData& data);
};

} // namespace kestrova::pages
