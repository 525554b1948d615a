#include "app/CMdiClient.h"

namespace kestrova::ui {

CMdiClient::CMdiClient(QWidget* parent) : QMdiArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

// A texture brush tiles from the viewport's origin, which keeps the tiles anchored at
// the top-left corner whatever the size.
void CMdiClient::setBackgroundTile(const QPixmap& tile) {
    setBackground(tile.isNull() ? palette().brush(QPalette::Window) : QBrush(tile));
}

} // namespace kestrova::ui
