#include "pages/TablePage.h"

#include "pages/HeaderBand.h"
#include "pages/TextFlow.h"

#include <QCoreApplication>
#include <QPainter>

namespace kestrova::pages {

QRect TablePage::tableRect(const QRect& d, const PageData&) {
    const int top = HeaderBand::tableBottom(d);
    return edges(d.left() + 10, top, d.left() + d.width() - 10, d.top() + d.height());
}

int TablePage::pageCount(std::int64_t count, int perPage) {
    if (perPage <= 0 || count <= 0) return 0;
    return static_cast<int>(count / perPage + (count % perPage ? 1 : 0));
}

int TablePage::draw(QPainter& p, const QRect& d, const PageData& data) {
    p.fillRect(d, QColor(202, 200, 159));
    p.setBackgroundMode(Qt::TransparentMode);
    const int dbBottom = HeaderBand::drawTable(p, d, data);
    const QRect T = edges(d.left() + 10, dbBottom, d.left() + d.width() - 10, d.top() + d.height());
    const int C = T.width() / 10, Hw = T.width() / 2, R = rows(T);
    const QPen grid(QColor(191, 189, 140), 1);

    // Grid and column titles of both halves.
    const QFont t2 = arial(18, true), t4 = arial(16, false);
    TextFlow flow(p);
    static const int titles[5] = {str::ItemColumn, str::DateColumn, str::TimeColumn, 0, 0};
    for (int h = 0; h < 2; ++h) {
        const int o = h * Hw;
        p.setPen(grid);
        p.setBrush(Qt::NoBrush);
        if (R > 1) {
            for (int k = 1; k <= R - 1; ++k) {
                const int y = T.top() + 22 * k;
                for (int c = 0; c < 5; ++c)
                    p.drawRect(
                        edges(T.left() + o + c * C, y, T.left() + o + (c + 1) * C, y + 22).adjusted(0, 0, -1, -1));
                line(p, T.left() + o + 5 * C, y, T.left() + o + 5 * C, y + 22);
            }
            const int yEnd = T.top() + 22 * R;
            line(p, T.left() + o, yEnd, T.left() + o + 5 * C, yEnd);
        }
        p.setPen(Qt::black);
        p.setFont(t2);
        for (int c = 0; c < 5; ++c) {
            const QString title = c == 3   ? QStringLiteral("Spo2")
                                  : c == 4 ? QCoreApplication::translate("TablePage", "PR")
                                           : text(titles[c]);
            flow.text(edges(T.left() + o + c * C, T.top() + 22, T.left() + o + (c + 1) * C, T.top() + 44),
                      Qt::AlignCenter, title);
        }
    }

    // Rows.
    const auto count = static_cast<std::int64_t>(data.samples.size());
    if (count > 0 && R >= 3) {
        p.setFont(t4);
        p.setPen(Qt::black);
        for (int i = 0; i < 2; ++i) {
            for (int j = 2; j <= R - 1; ++j) {
                const std::int64_t n = recordNumber(i, j, data.currentPage, R);
                if (n > count || n < 1) continue;
                const SampleRecord& s = data.samples[static_cast<std::size_t>(n - 1)];
                const int y = T.top() + 22 * j, o = i * Hw;
                const QString cells[5] = {QString::number(n), HeaderBand::dateText(s, true), HeaderBand::timeText(s),
                                          QString::number(s.spo2), QString::number(s.pulseRate)};
                for (int c = 0; c < 5; ++c)
                    flow.text(edges(T.left() + o + c * C, y, T.left() + o + (c + 1) * C, y + 22), Qt::AlignCenter,
                              cells[c]);
            }
        }
    }
    if (R < 3) return -1;
    return pageCount(count, recordsPerPage(R));
}

} // namespace kestrova::pages
