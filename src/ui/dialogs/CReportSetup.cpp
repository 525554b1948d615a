#include "dialogs/CReportSetup.h"

#include "common/FileChooser.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrova::ui {

CReportSetup::CReportSetup(const ReportSettings& current, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Report"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const int maxChars = static_cast<int>(ReportSettings::kTextChars);
    m_clinic = new QLineEdit(QString::fromStdString(current.clinicName), this);
    m_clinic->setMaxLength(maxChars);
    form->addRow(tr("Clinic name"), m_clinic);
    for (std::size_t i = 0; i < m_address.size(); ++i) {
        m_address[i] = new QLineEdit(QString::fromStdString(current.address[i]), this);
        m_address[i]->setMaxLength(maxChars);
        form->addRow(i == 0 ? tr("Address") : QString(), m_address[i]);
    }
    auto* logoRow = new QHBoxLayout;
    m_logo = new QLineEdit(QString::fromStdString(current.logoPath), this);
    m_chooseLogo = new QPushButton(tr("Choose..."), this);
    m_clearLogo = new QPushButton(tr("None"), this);
    logoRow->addWidget(m_logo, 1);
    logoRow->addWidget(m_chooseLogo);
    logoRow->addWidget(m_clearLogo);
    form->addRow(tr("Logo"), logoRow);
    m_preview = new QLabel(this);
    m_preview->setMinimumHeight(60);
    form->addRow(QString(), m_preview);
    m_paper = new QComboBox(this);
    m_paper->addItem(QStringLiteral("A4"), static_cast<int>(PaperSize::A4));
    m_paper->addItem(tr("Letter"), static_cast<int>(PaperSize::Letter));
    m_paper->setCurrentIndex(current.paper == PaperSize::Letter ? 1 : 0);
    form->addRow(tr("Paper"), m_paper);
    layout->addLayout(form);
    auto* note = new QLabel(tr("Fields left empty are not printed."), this);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CReportSetup::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_saveProblem = new QLabel(this);
    m_saveProblem->setObjectName(QStringLiteral("saveProblem"));
    m_saveProblem->setWordWrap(true);
    m_saveProblem->hide();
    layout->addWidget(m_saveProblem);
    layout->addWidget(buttons);

    connect(m_chooseLogo, &QPushButton::clicked, this, [this] {
        FileChooser::Request request;
        request.save = false;
        request.caption = tr("Logo");
        request.proposedName = m_logo->text();
        request.filter = tr("Images (*.png *.jpg *.jpeg *.bmp *.svg);;All files (*)");
        const QString chosen = FileChooser::choose(this, request);
        if (!chosen.isEmpty()) m_logo->setText(chosen);
    });
    connect(m_clearLogo, &QPushButton::clicked, m_logo, &QLineEdit::clear);
    connect(m_logo, &QLineEdit::textChanged, this, &CReportSetup::showLogo);
    showLogo();
}

void CReportSetup::showLogo() {
    const QString path = m_logo->text().trimmed();
    if (path.isEmpty()) {
        m_preview->setPixmap({});
        m_preview->setText(tr("No logo"));
        return;
    }
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        m_preview->setPixmap({});
        m_preview->setText(tr("%1: not an image this program can read").arg(path));
        return;
    }
    m_preview->setText({});
    m_preview->setPixmap(
        QPixmap::fromImage(image.scaled(QSize(150, 56), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

ReportSettings CReportSetup::chosen() const {
    ReportSettings r;
    r.clinicName = m_clinic->text().trimmed().toStdString();
    for (std::size_t i = 0; i < m_address.size(); ++i) r.address[i] = m_address[i]->text().trimmed().toStdString();
    r.logoPath = m_logo->text().trimmed().toStdString();
    r.paper = static_cast<PaperSize>(m_paper->currentData().toInt());
    return r;
}

void CReportSetup::setSaveProblem(const QString& problem) {
    m_saveProblem->setText(problem.isEmpty() ? QString() : tr("These settings cannot be saved: %1.").arg(problem));
    m_saveProblem->setVisible(!problem.isEmpty());
}

} // namespace kestrova::ui
