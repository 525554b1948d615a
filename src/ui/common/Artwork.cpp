#include "common/Artwork.h"

#include "common/Commands.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPainterPath>

namespace kestrova::ui::artwork {
namespace {

// An image from a loaded resource bundle (":/kestrova/<name>.png") wins.
bool fromBundle(const char* name, QPixmap& out) {
    const QString path = QStringLiteral(":/kestrova/%1.png").arg(QLatin1String(name));
    return QFile::exists(path) && out.load(path);
}

void drawHeartbeat(QPainter& p, const QRectF& r, const QColor& colour, qreal width) {
    QPainterPath path;
    const qreal y = r.center().y();
    path.moveTo(r.left(), y);
    path.lineTo(r.left() + r.width() * 0.35, y);
    path.lineTo(r.left() + r.width() * 0.45, r.top());
    path.lineTo(r.left() + r.width() * 0.55, r.bottom());
    path.lineTo(r.left() + r.width() * 0.65, y);
    path.lineTo(r.right(), y);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

} // namespace

QPixmap workspaceTile() {
    QPixmap tile;
    if (fromBundle("workspace", tile)) return tile;
    tile = QPixmap(100, 100);
    tile.fill(QColor(0x6E, 0x7F, 0x8F));
    QPainter p(&tile);
    p.setPen(QColor(0xC4, 0xC4, 0xC4));
    p.drawText(QRect(0, 0, 100, 100), Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("Kestrova"));
    return tile;
}

QPixmap splash() {
    QPixmap pm;
    if (fromBundle("splash", pm)) return pm;
    pm = QPixmap(600, 315);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 315);
    g.setColorAt(0, QColor(0x1F, 0x4E, 0x79));
    g.setColorAt(1, QColor(0x0B, 0x1F, 0x33));
    p.fillRect(pm.rect(), g);
    drawHeartbeat(p, QRectF(40, 170, 520, 90), QColor(0x7C, 0xE0, 0x8F), 4);
    QFont title(QStringLiteral("Liberation Sans"), 44, QFont::Bold);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 50, 600, 80), Qt::AlignCenter, QStringLiteral("Kestrova"));
    QFont sub(QStringLiteral("Liberation Sans"), 14);
    p.setFont(sub);
    p.setPen(QColor(0xC4, 0xD4, 0xE4));
    p.drawText(QRect(0, 125, 600, 30), Qt::AlignCenter,
               QCoreApplication::translate("Artwork", "Pulse oximetry recordings"));
    return pm;
}

QPixmap emblem() {
    QPixmap pm;
    if (fromBundle("emblem", pm)) return pm;
    pm = QPixmap(52, 50);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x1F, 0x4E, 0x79));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(1, 1, 50, 48), 8, 8);
    drawHeartbeat(p, QRectF(6, 14, 40, 22), QColor(0x7C, 0xE0, 0x8F), 3);
    return pm;
}

QIcon toolIcon(int id) {
    QPixmap pm(34, 34); // drawn at twice the 17-pixel button size
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x22, 0x3B, 0x55);
    p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (id) {
    case cmd::NewDataCapture: // a device with a down arrow
        p.drawRoundedRect(QRectF(6, 3, 22, 16), 3, 3);
        drawHeartbeat(p, QRectF(9, 6, 16, 10), QColor(0x2E, 0x9E, 0x4F), 2);
        p.drawLine(QPointF(17, 21), QPointF(17, 31));
        p.drawLine(QPointF(12, 26), QPointF(17, 31));
        p.drawLine(QPointF(22, 26), QPointF(17, 31));
        break;
    case cmd::OpenSavedData: // a folder
        p.setBrush(QColor(0xF2, 0xC1, 0x4E));
        p.drawRect(QRectF(4, 11, 26, 18));
        p.drawRect(QRectF(4, 7, 11, 4));
        break;
    case cmd::FindBluetooth: // the rune
        p.drawLine(QPointF(11, 10), QPointF(23, 22));
        p.drawLine(QPointF(23, 22), QPointF(17, 28));
        p.drawLine(QPointF(17, 28), QPointF(17, 6));
        p.drawLine(QPointF(17, 6), QPointF(23, 12));
        p.drawLine(QPointF(23, 12), QPointF(11, 24));
        break;
    case cmd::Print: // a printer
        p.drawRect(QRectF(10, 4, 14, 9));
        p.setBrush(QColor(0xDD, 0xDD, 0xDD));
        p.drawRoundedRect(QRectF(4, 13, 26, 12), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(10, 21, 14, 9));
        break;
    case cmd::PageUp:
    case cmd::PageDown: { // a triangle up or down
        p.setBrush(ink);
        QPolygonF tri;
        if (id == cmd::PageUp)
            tri << QPointF(17, 7) << QPointF(29, 26) << QPointF(5, 26);
        else
            tri << QPointF(5, 8) << QPointF(29, 8) << QPointF(17, 27);
        p.drawPolygon(tri);
        break;
    }
    case cmd::PreviousEvent:
    case cmd::NextEvent: { // a dip in a trace with an arrow to it from the side
        const bool next = id == cmd::NextEvent;
        p.setPen(QPen(QColor(0xC0, 0x39, 0x2B), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF dip[] = {{3, 10}, {11, 10}, {17, 24}, {23, 10}, {31, 10}};
        p.drawPolyline(dip, 5);
        p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const double tip = next ? 28 : 6, tail = next ? 14 : 20, back = next ? -5 : 5;
        p.drawLine(QPointF(tail, 29), QPointF(tip, 29));
        p.drawLine(QPointF(tip, 29), QPointF(tip + back, 25));
        p.drawLine(QPointF(tip, 29), QPointF(tip + back, 33));
        break;
    }
    case cmd::About: // an "i" in a circle
        p.drawEllipse(QRectF(4, 4, 26, 26));
        p.drawLine(QPointF(17, 15), QPointF(17, 25));
        p.drawPoint(QPointF(17, 10));
        break;
    default: break;
    }
    return QIcon(pm);
}

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x6f, 0x8b));
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
        QPen trace(Qt::white, 4);
        trace.setJoinStyle(Qt::RoundJoin);
        trace.setCapStyle(Qt::RoundCap);
        p.setPen(trace);
        const QPointF points[] = {{6, 38}, {20, 38}, {26, 22}, {32, 50}, {38, 30}, {42, 38}, {58, 38}};
        p.drawPolyline(points, 7);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf2, 0xb1, 0x34));
        p.drawEllipse(QPointF(50, 17), 6, 6);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace kestrova::ui::artwork
