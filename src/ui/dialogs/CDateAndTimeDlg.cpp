#include "dialogs/CDateAndTimeDlg.h"

#include "common/Messages.h"
#include "text/StringTable.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QTime>
#include <QVBoxLayout>

namespace kestrova::ui {

CDateAndTimeDlg::CDateAndTimeDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Set Date And Time"));
    auto* layout = new QVBoxLayout(this);
    auto* dateBox = new QGroupBox(tr("Date"), this);
    auto* dateLayout = new QVBoxLayout(dateBox);
    m_date = new QDateEdit(QDate::currentDate(), dateBox);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setMinimumDate(QDate(2000, 1, 1));
    dateLayout->addWidget(m_date);
    layout->addWidget(dateBox);
    auto* timeBox = new QGroupBox(tr("Time"), this);
    auto* form = new QFormLayout(timeBox);
    const QTime now = QTime::currentTime();
    m_hour = new QLineEdit(QString::number(now.hour()), timeBox);
    m_minute = new QLineEdit(QString::number(now.minute()), timeBox);
    m_second = new QLineEdit(QString::number(now.second()), timeBox);
    form->addRow(tr("Hour:"), m_hour);
    form->addRow(tr("Minute:"), m_minute);
    form->addRow(tr("Second:"), m_second);
    layout->addWidget(timeBox);
    for (auto [edit, maximum] : {std::pair{m_hour, 23}, std::pair{m_minute, 59}, std::pair{m_second, 59}}) {
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit = edit, maximum = maximum] { validate(edit, maximum); });
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CDateAndTimeDlg::validate(QLineEdit* edit, int maximum) {
    const QString text = edit->text();
    for (QChar c : text) {
        if (!c.isDigit()) {
            Messages::showString(this, str::InputNumber);
            edit->setText(QStringLiteral("0"));
            return;
        }
    }
    if (text.toInt() > maximum) {
        Messages::showString(this, str::InputLegalValue);
        edit->setText(QStringLiteral("0"));
    }
}

bool CDateAndTimeDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        for (QLineEdit* e : {m_hour, m_minute, m_second})
            if (watched == e && e->text().isEmpty()) {
                Messages::showString(this, str::InputNumber);
                e->setText(QStringLiteral("0"));
            }
    return QDialog::eventFilter(watched, event);
}

DeviceDateTime CDateAndTimeDlg::dateTime() const {
    const QDate d = m_date->date();
    return {d.year(), d.month(), d.day(), m_hour->text().toInt(), m_minute->text().toInt(), m_second->text().toInt()};
}

} // namespace kestrova::ui
