#include "pages/TextFlow.h"

#include "pages/Language.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace kestrova::pages {
namespace {

// Where a text's ink lies when drawn in `r`: horizontally its advance without trailing
// blanks (clipped to `r` when clipped), vertically the ink of its glyphs.
QRectF inkBox(const QRect& r, int align, const QString& s, const QFont& font, bool clipped) {
    const QFontMetricsF fm(font);
    QString shown = s;
    while (!shown.isEmpty() && shown.back().isSpace()) shown.chop(1);
    const QRectF line = fm.boundingRect(QRectF(r), align | Qt::TextSingleLine, s);
    const QRectF ink = fm.tightBoundingRect(shown);
    const double baseline = line.top() + fm.ascent();
    double left = line.left(), right = line.left() + fm.horizontalAdvance(shown);
    if (clipped) {
        left = std::max<double>(left, r.left());
        right = std::min<double>(right, r.left() + r.width());
    }
    return QRectF(QPointF(left, baseline + ink.top()), QPointF(right, baseline + ink.bottom()));
}

// A translated text wider than the box the layout gives it (German words are long) is
// drawn a little smaller, and ends in "…" if that is not enough, instead of running
// into its neighbour or losing its end at the box's edge. The classic texts keep the
// layout they always had.
void fitInto(int width, QFont& font, QString& s) {
    QString trimmed = s;
    while (!trimmed.isEmpty() && trimmed.back().isSpace()) trimmed.chop(1);
    const double wide = QFontMetricsF(font).horizontalAdvance(trimmed);
    if (wide <= width || wide <= 0) return;
    const double scale = std::max(0.7, width / wide);
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * scale)));
    else
        font.setPointSizeF(font.pointSizeF() * scale);
    if (QFontMetricsF(font).horizontalAdvance(trimmed) > width)
        s = QFontMetrics(font).elidedText(trimmed, Qt::ElideRight, width);
}

} // namespace

void TextFlow::text(const QRect& r, int align, const QString& s) {
    if (s.isEmpty() || r.width() <= 0 || r.height() <= 0) return;
    QFont font = m_painter.font();
    QString shown = s;
    if (ui::Language::current() != QLatin1String("en_classic")) fitInto(r.width(), font, shown);
    m_items.push_back({r, align, shown, font, m_painter.pen().color(), true});
}

void TextFlow::textAt(int x, int y, const QString& s) {
    if (s.isEmpty()) return;
    const QFontMetrics fm(m_painter.font());
    m_items.push_back({QRect(x, y, fm.horizontalAdvance(s) + 2, fm.height()), Qt::AlignLeft | Qt::AlignTop, s,
                       m_painter.font(), m_painter.pen().color(), false});
}

void TextFlow::flush() {
    if (m_items.empty()) return;
    std::vector<QRectF> ink(m_items.size());
    for (std::size_t i = 0; i < m_items.size(); ++i)
        ink[i] = inkBox(m_items[i].rect, m_items[i].align, m_items[i].text, m_items[i].font, m_items[i].clipped);
    // Left to right; texts starting at the same place keep the order they were added in.
    std::vector<std::size_t> order(m_items.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return ink[a].left() < ink[b].left(); });

    std::vector<std::size_t> placed;
    placed.reserve(order.size());
    for (const std::size_t i : order) {
        double start = ink[i].left();
        for (const std::size_t j : placed) {
            // The same text drawn twice at one place (the pulse scale's top label) stays put.
            if (ink[j] == ink[i] && m_items[j].text == m_items[i].text) continue;
            const bool sameLine = ink[j].top() < ink[i].bottom() && ink[i].top() < ink[j].bottom();
            if (sameLine && ink[j].width() > 0 && ink[i].width() > 0) start = std::max(start, ink[j].right() + kGap);
        }
        const int shift = static_cast<int>(std::ceil(start - ink[i].left()));
        if (shift > 0) {
            m_items[i].rect.translate(shift, 0);
            ink[i].translate(shift, 0);
        }
        placed.push_back(i);
    }

    m_painter.save();
    for (const Item& item : m_items) {
        m_painter.setFont(item.font);
        m_painter.setPen(item.colour);
        if (item.clipped) {
            m_painter.save();
            m_painter.setClipRect(item.rect, Qt::IntersectClip);
            m_painter.drawText(item.rect, item.align | Qt::TextSingleLine, item.text);
            m_painter.restore();
        } else {
            m_painter.drawText(item.rect, item.align | Qt::TextSingleLine, item.text);
        }
    }
    m_painter.restore();
    m_items.clear();
}

} // namespace kestrova::pages
