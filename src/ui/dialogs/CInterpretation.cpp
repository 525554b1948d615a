#include "dialogs/CInterpretation.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrova::ui {

CInterpretation::CInterpretation(const QString& text, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Interpretation"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("&Interpretation of this recording (printed on the clinical report):"), this);
    m_edit = new QPlainTextEdit(text, this);
    m_edit->setTabChangesFocus(true);
    m_edit->setMinimumSize(480, 200);
    label->setBuddy(m_edit);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    auto* counter = new QLabel(this);
    layout->addWidget(counter);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto count = [this, counter, buttons] {
        const int n = static_cast<int>(m_edit->toPlainText().size());
        counter->setText(tr("%1 of %2 characters").arg(n).arg(kMaxCharacters));
        buttons->button(QDialogButtonBox::Ok)->setEnabled(n <= kMaxCharacters);
    };
    connect(m_edit, &QPlainTextEdit::textChanged, this, count);
    count();
}

QString CInterpretation::text() const {
    return m_edit->toPlainText().trimmed();
}

} // namespace kestrova::ui
