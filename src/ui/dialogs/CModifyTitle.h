// "Modify Title": the report title, at most 60 characters.
#pragma once

#include <QDialog>

class QLineEdit;

namespace kestrova::ui {

class CModifyTitle : public QDialog {
    Q_OBJECT
public:
    explicit CModifyTitle(const QString& title, QWidget* parent = nullptr);
    QString title() const;
    QLineEdit* edit() const { return m_edit; }

private:
    QLineEdit* m_edit;
};

} // namespace kestrova::ui
