#include "pages/PageData.h"

#include "text/StringTable.h"
#include "text/TextCodec.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kestrova::pages {

namespace {

QFont arialOfPixelSize(int pixelSize, bool bold, bool italic) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setKerning(false);
    return f;
}

// Ascent + descent per pixel of em of the font that "Arial" resolves to here (1.117 for
// Arial and Liberation Sans), measured once at a large size where hinting does not round.
double cellPerEm(bool bold, bool italic) {
    static const double ratio[2][2] = {{QFontMetricsF(arialOfPixelSize(1000, false, false)).height() / 1000.0,
                                        QFontMetricsF(arialOfPixelSize(1000, false, true)).height() / 1000.0},
                                       {QFontMetricsF(arialOfPixelSize(1000, true, false)).height() / 1000.0,
                                        QFontMetricsF(arialOfPixelSize(1000, true, true)).height() / 1000.0}};
    const double r = ratio[bold][italic];
    return r > 0.5 && r < 2.0 ? r : 1.0;
}

} // namespace

QFont arial(int height, bool bold, bool italic) {
    // Heights are cell heights (ascent + descent, as a positive GDI font height), so the
    // em is the height divided by the font's own cell-to-em ratio.
    const int em = std::max(1, static_cast<int>(std::lround(height / cellPerEm(bold, italic))));
    return arialOfPixelSize(em, bold, italic);
}

QString text(int stringId) {
    return QString::fromStdString(kestrova::tr(stringId));
}

QString storedText(std::string_view bytes) {
    return QString::fromStdString(decodeStoredText(bytes));
}

void drawText(QPainter& p, const QRect& r, int align, const QString& s) {
    if (s.isEmpty() || r.width() <= 0 || r.height() <= 0) return;
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.drawText(r, align | Qt::TextSingleLine, s);
    p.restore();
}

void line(QPainter& p, int x1, int y1, int x2, int y2) {
    if (x1 == x2 && y1 == y2) return;
    // GDI leaves out the last pixel of a line; stop one unit short along the major axis.
    const int dx = x2 - x1, dy = y2 - y1;
    if (std::abs(dx) >= std::abs(dy))
        x2 -= dx > 0 ? 1 : -1;
    else
        y2 -= dy > 0 ? 1 : -1;
    p.drawLine(x1, y1, x2, y2);
}

void raisedEdge(QPainter& p, const QRect& r) {
    // Outer raised edge: light on the top and left, dark on the bottom and right.
    p.save();
    p.setPen(QPen(QColor(227, 227, 227), 1));
    line(p, r.left(), r.bottom(), r.left(), r.top());
    line(p, r.left(), r.top(), r.right() + 1, r.top());
    p.setPen(QPen(QColor(105, 105, 105), 1));
    line(p, r.left(), r.bottom(), r.right(), r.bottom());
    line(p, r.right(), r.bottom(), r.right(), r.top() - 1);
    p.restore();
}

} // namespace kestrova::pages
