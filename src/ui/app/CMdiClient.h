// The workspace behind the child windows: a 100 x 100 tile carrying the product name,
// repeated from the top-left corner.
#pragma once

#include <QMdiArea>

namespace kestrova::ui {

class CMdiClient : public QMdiArea {
    Q_OBJECT
public:
    explicit CMdiClient(QWidget* parent = nullptr);
    void setBackgroundTile(const QPixmap& tile);
};

} // namespace kestrova::ui
