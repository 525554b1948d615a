// The "About " box: emblem, version texts and the real build version.
#pragma once

#include <QDialog>

namespace kestrova::ui {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    static QString buildVersion();
};

} // namespace kestrova::ui
