// The one child window that shows the current recording: no caption buttons, no
// system menu, always maximised.
#pragma once

#include <QMdiSubWindow>

namespace kestrova::ui {

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CChildFrame(QWidget* view, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
};

} // namespace kestrova::ui
