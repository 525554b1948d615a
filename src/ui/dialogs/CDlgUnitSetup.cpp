#include "dialogs/CDlgUnitSetup.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kestrova::ui {

CDlgUnitSetup::CDlgUnitSetup(UnitSystem current, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Unit setup"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Unit setup"), this);
    auto* inner = new QVBoxLayout(group);
    m_britain = new QRadioButton(QStringLiteral("The Britain System"), group);
    m_metric = new QRadioButton(QStringLiteral("The Metric System"), group);
    inner->addWidget(m_britain);
    inner->addWidget(m_metric);
    layout->addWidget(group);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgUnitSetup::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    (current == UnitSystem::Metric ? m_metric : m_britain)->setChecked(true);
}

UnitSystem CDlgUnitSetup::chosen() const {
    return m_metric->isChecked() ? UnitSystem::Metric : UnitSystem::Imperial;
}

} // namespace kestrova::ui
