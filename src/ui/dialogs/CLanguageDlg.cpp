#include "dialogs/CLanguageDlg.h"

#include "pages/Language.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace kestrova::ui {

CLanguageDlg::CLanguageDlg(const QString& current, QWidget* parent) : QDialog(parent), m_list(new QListWidget(this)) {
    setWindowTitle(tr("Language"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("&Language of Kestrova from its next start:"), this);
    label->setBuddy(m_list);
    layout->addWidget(label);
    m_list->setObjectName(QStringLiteral("languages"));
    auto add = [this](const QString& text, const QString& code) {
        auto* item = new QListWidgetItem(text, m_list);
        item->setData(Qt::UserRole, code);
    };
    add(tr("The desktop's language"), QString());
    for (const QString& code : Language::codes()) add(Language::displayName(code), code);
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->data(Qt::UserRole).toString() == current) m_list->setCurrentRow(i);
    if (m_list->currentRow() < 0) m_list->setCurrentRow(0);
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemActivated, this, &QDialog::accept);
    layout->addWidget(buttons);
}

QString CLanguageDlg::chosen() const {
    const QListWidgetItem* item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

} // namespace kestrova::ui
