// The program's own pictures, drawn rather than loaded: the workspace tile, the
// splash image, the about-box emblem and the toolbar icons. A resource bundle may
// replace any of them by name.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace kestrova::ui::artwork {

QPixmap workspaceTile(); // 100 x 100, "Kestrova" in light grey (0xC4C4C4)
QPixmap splash();        // 600 x 315
QPixmap emblem();        // 52 x 50
QIcon toolIcon(int commandId);
QIcon applicationIcon(); // the shapes of packaging/kestrova.svg, at the usual sizes

} // namespace kestrova::ui::artwork
