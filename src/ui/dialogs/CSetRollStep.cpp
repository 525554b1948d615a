#include "dialogs/CSetRollStep.h"

#include "common/Messages.h"
#include "text/StringTable.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kestrova::ui {
namespace {
// An up-down control: the arrows of a spin box without its own text field.
class UpDown : public QSpinBox {
public:
    explicit UpDown(QWidget* parent) : QSpinBox(parent) { lineEdit()->setVisible(false); }
};
} // namespace

CSetRollStep::CSetRollStep(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Setup Step"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Roll Step"), this));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("step"));
    row->addWidget(m_edit);
    // The up-down control writes its position into the edit as a decimal number.
    m_spin = new UpDown(this);
    m_spin->setObjectName(QStringLiteral("spin"));
    m_spin->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    m_spin->setFixedWidth(m_spin->sizeHint().height());
    row->addWidget(m_spin);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSetRollStep::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_spin, &QSpinBox::valueChanged, this, [this](int v) { m_edit->setText(QString::number(v)); });
    m_edit->installEventFilter(this);
}

int CSetRollStep::exec() {
    m_spin->blockSignals(true);
    m_spin->setRange(1, std::max(1, maxStep));
    m_spin->setValue(1);
    m_spin->blockSignals(false);
    m_edit->setText(QString::number(step));
    m_edit->selectAll();
    return QDialog::exec();
}

bool CSetRollStep::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit && event->type() == QEvent::FocusOut && m_edit->text().isEmpty()) {
        Messages::info(this, tr("Please input a number !"));
        step = 0;
        m_edit->setText(QStringLiteral("0"));
    }
    return QDialog::eventFilter(watched, event);
}

void CSetRollStep::accept() {
    bool ok = false;
    const int value = m_edit->text().trimmed().toInt(&ok);
    if (!ok) {
        Messages::info(this, tr("Enter an integer."));
        m_edit->setFocus();
        return;
    }
    step = value;
    QDialog::accept();
}

int CSetRollStep::acceptRollStep(QWidget* parent, int current, int step, int maxStep) {
    if (step >= 0 && step <= maxStep) return step;
    Messages::info(parent,
                   QString::fromStdString(kestrova::tr(str::RollStepRange)) + QStringLiteral(" %1").arg(maxStep));
    return current;
}

} // namespace kestrova::ui
