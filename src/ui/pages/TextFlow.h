// The texts of one page, drawn together so that none runs into the one before it.
// The page layouts place labels and values at fixed offsets; a long value, or a label
// wider in another font, would otherwise overwrite its neighbour. A text that starts
// less than `kGap` units after the end of a text it shares a line with (their ink
// overlaps vertically) moves right just enough; nothing else moves.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <vector>

class QPainter;

namespace kestrova::pages {

class TextFlow {
public:
    static constexpr int kGap = 4;

    explicit TextFlow(QPainter& p) : m_painter(p) {}
    TextFlow(const TextFlow&) = delete;
    TextFlow& operator=(const TextFlow&) = delete;
    ~TextFlow() { flush(); }

    // Single-line text in `r` with the painter's current font and pen, clipped to `r`.
    void text(const QRect& r, int align, const QString& s);
    // Unclipped text with its top-left corner at (x, y).
    void textAt(int x, int y, const QString& s);
    // Draws what was added so far.
    void flush();

private:
    struct Item {
        QRect rect;
        int align;
        QString text;
        QFont font;
        QColor colour;
        bool clipped;
    };
    QPainter& m_painter;
    std::vector<Item> m_items;
};

} // namespace kestrova::pages
