#include "dialogs/CDlgUnitSetup.h"

#include "common/Messages.h"
#include "settings/Settings.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kestrova::ui {

CDlgUnitSetup::CDlgUnitSetup(QWidget* parent) : QDialog(parent) {
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
    (Settings().unitSystem() == UnitSystem::Metric ? m_metric : m_britain)->setChecked(true);
}

void CDlgUnitSetup::accept() {
    if (const WriteStatus w = Settings().write(setting::UnitSetup, m_metric->isChecked() ? 1 : 0); !w)
        Messages::settingsNotSaved(this, w.reason);
    QDialog::accept();
}

} // namespace kestrova::ui
