// "Set Date And Time": a date and the hour, minute and second, checked while typing.
#pragma once

#include "Protocol.h"

#include <QDialog>

class QDateEdit;
class QLineEdit;

namespace kestrova::ui {

class CDateAndTimeDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDateAndTimeDlg(QWidget* parent = nullptr);
    DeviceDateTime dateTime() const;
    QLineEdit* hour() const { return m_hour; }
    QLineEdit* minute() const { return m_minute; }
    QLineEdit* second() const { return m_second; }
    QDateEdit* date() const { return m_date; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void validate(QLineEdit* edit, int maximum);

    QDateEdit* m_date;
    QLineEdit *m_hour, *m_minute, *m_second;
};

} // namespace kestrova::ui
