#include "dialogs/CDlgUnitSetup.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kestrova::ui {

CDlgUnitSetup::CDlgUnitSetup(UnitSystem current, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Unit setup"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr("Unit setup"), this);
    auto* inner = new QVBoxLayout(group);
    m_britain = new QRadioButton(tr("The Britain System"), group);
    m_metric = new QRadioButton(tr("The Metric System"), group);
    inner->addWidget(m_britain);
    inner->addWidget(m_metric);
    layout->addWidget(group);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgUnitSetup::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_saveProblem = new QLabel(this);
    m_saveProblem->setObjectName(QStringLiteral("saveProblem"));
    m_saveProblem->setWordWrap(true);
    m_saveProblem->hide();
    layout->addWidget(m_saveProblem);
    layout->addWidget(buttons);
    (current == UnitSystem::Metric ? m_metric : m_britain)->setChecked(true);
}

UnitSystem CDlgUnitSetup::chosen() const {
    return m_metric->isChecked() ? UnitSystem::Metric : UnitSystem::Imperial;
}

void CDlgUnitSetup::setSaveProblem(const QString& problem) {
    m_saveProblem->setText(problem.isEmpty() ? QString() : tr("These settings cannot be saved: %1.").arg(problem));
    m_saveProblem->setVisible(!problem.isEmpty());
}

} // namespace kestrova::ui
