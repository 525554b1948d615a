#include "dialogs/CModifyTitle.h"

#include "common/Messages.h"
#include "text/StringTable.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kestrova::ui {

CModifyTitle::CModifyTitle(const QString& title, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Modify Title"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Title"), this));
    m_edit = new QLineEdit(title, this);
    m_edit->setMinimumWidth(320);
    row->addWidget(m_edit);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_edit, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.size() > 60) {
            Messages::showString(this, str::TitleTooLong);
            m_edit->clear();
        }
    });
}

QString CModifyTitle::title() const {
    return m_edit->text();
}

} // namespace kestrova::ui
