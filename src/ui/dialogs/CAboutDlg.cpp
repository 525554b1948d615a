#include "dialogs/CAboutDlg.h"

#include "common/Artwork.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

#ifndef KESTROVA_VERSION
#define KESTROVA_VERSION "0.0.0"
#endif

namespace kestrova::ui {

QString CAboutDlg::buildVersion() {
    return tr("Kestrova %1 (built %2)").arg(QLatin1String(KESTROVA_VERSION), QLatin1String(__DATE__));
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About "));
    auto* layout = new QGridLayout(this);
    auto* emblem = new QLabel(this);
    emblem->setPixmap(artwork::emblem());
    layout->addWidget(emblem, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(new QLabel(tr("Ver 3.2.3Beta"), this), 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("2010-05-28"), this), 1, 1);
    auto* build = new QLabel(buildVersion(), this);
    build->setObjectName(QStringLiteral("buildVersion"));
    layout->addWidget(build, 2, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 3, 0, 1, 2);
}

} // namespace kestrova::ui
