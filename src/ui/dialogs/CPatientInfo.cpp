#include "dialogs/CPatientInfo.h"

#include "common/Messages.h"
#include "text/StringTable.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace kestrova::ui {
namespace {
QString q(const std::string& s) {
    return QString::fromStdString(s);
}
bool isNumeric(PatientField f) {
    return f == PatientField::Age || f == PatientField::Height || f == PatientField::Weight;
}
} // namespace

CPatientInfo::CPatientInfo(const PatientForm& form, UnitSystem units, std::function<bool(const PatientForm&)> onDelete,
                           QWidget* parent)
    : QDialog(parent), m_units(units), m_onDelete(std::move(onDelete)) {
    setWindowTitle(tr("Edit patient information"));
    setMinimumWidth(460);
    const bool metric = units == UnitSystem::Metric;
    auto* layout = new QVBoxLayout(this);
    m_layout = layout;
    auto* grid = new QFormLayout;
    m_id = new QLineEdit(q(form.idText), this);
    m_id->setReadOnly(true);
    grid->addRow(tr("ID Number"), m_id);
    m_gender = new QComboBox(this);
    m_gender->addItem(q(kestrova::tr(str::Male)));
    m_gender->addItem(q(kestrova::tr(str::Female)));
    m_gender->setCurrentIndex(form.gender != 0 ? 1 : 0);
    grid->addRow(tr("Gender"), m_gender);
    auto add = [&](PatientField f, const QString& label, const QString& value, QLabel* unit = nullptr) {
        auto* edit = new QLineEdit(value, this);
        if (isNumeric(f))
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        edit->installEventFilter(this);
        m_fields[f] = edit;
        if (!unit) {
            grid->addRow(label, edit);
            return;
        }
        auto* row = new QHBoxLayout;
        row->addWidget(edit);
        row->addWidget(unit);
        grid->addRow(label, row);
    };
    add(PatientField::Age, tr("Age"), QString::number(form.age));
    add(PatientField::Name, tr("Name"), q(form.name));
    m_heightUnit = new QLabel(metric ? tr("cm") : tr("in"), this);
    m_weightUnit = new QLabel(metric ? tr("kg") : tr("lb"), this);
    add(PatientField::Height, tr("Height"), QString::number(form.height), m_heightUnit);
    add(PatientField::Weight, tr("Weight"), QString::number(form.weight), m_weightUnit);
    add(PatientField::Physician, tr("Physician"), q(form.physician));
    add(PatientField::Note1, tr("Note 1"), q(form.note1));
    add(PatientField::Note2, tr("Note 2"), q(form.note2));
    add(PatientField::Comments, tr("Comments"), q(form.comments));
    layout->addLayout(grid);
    for (PatientField f : {PatientField::Age, PatientField::Height, PatientField::Weight})
        if (!checkNumericField(f, m_fields[f]->text().toStdString(), m_units)) m_validNumbers[f] = m_fields[f]->text();

    auto* buttons = new QDialogButtonBox(this);
    auto* save = buttons->addButton(tr("Save Info"), QDialogButtonBox::AcceptRole);
    save->setDefault(true);
    auto* del = buttons->addButton(tr("Delete Info"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPatientInfo::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(del, &QPushButton::clicked, this, &CPatientInfo::deleteInfo);
    layout->addWidget(buttons);
}

PatientForm CPatientInfo::form() const {
    PatientForm f;
    f.idText = m_id->text().toStdString();
    f.gender = m_gender->currentIndex();
    auto text = [&](PatientField k) { return m_fields.at(k)->text(); };
    f.age = text(PatientField::Age).toInt();
    f.height = text(PatientField::Height).toInt();
    f.weight = text(PatientField::Weight).toInt();
    f.name = text(PatientField::Name).toStdString();
    f.physician = text(PatientField::Physician).toStdString();
    f.note1 = text(PatientField::Note1).toStdString();
    f.note2 = text(PatientField::Note2).toStdString();
    f.comments = text(PatientField::Comments).toStdString();
    return f;
}

void CPatientInfo::setForm(const PatientForm& form) {
    m_gender->setCurrentIndex(form.gender != 0 ? 1 : 0);
    m_fields[PatientField::Age]->setText(QString::number(form.age));
    m_fields[PatientField::Height]->setText(QString::number(form.height));
    m_fields[PatientField::Weight]->setText(QString::number(form.weight));
    m_fields[PatientField::Name]->setText(q(form.name));
    m_fields[PatientField::Physician]->setText(q(form.physician));
    m_fields[PatientField::Note1]->setText(q(form.note1));
    m_fields[PatientField::Note2]->setText(q(form.note2));
    m_fields[PatientField::Comments]->setText(q(form.comments));
    for (PatientField f : {PatientField::Age, PatientField::Height, PatientField::Weight})
        m_validNumbers[f] = m_fields[f]->text();
}

void CPatientInfo::offerStoredDetails(const PatientForm& stored, const QString& storedName) {
    if (m_useStored) return;
    const QString who = storedName.isEmpty() ? tr("a patient without a name") : storedName;
    m_useStored = new QPushButton(tr("Use stored details (%1)").arg(who), this);
    m_useStored->setToolTip(tr("The patient database holds details for ID %1. The device may have "
                               "recorded another patient under the same ID.")
                                .arg(q(stored.idText)));
    connect(m_useStored, &QPushButton::clicked, this, [this, stored] {
        setForm(stored);
        m_useStored->setEnabled(false);
    });
    m_layout->insertWidget(0, m_useStored);
}

void CPatientInfo::setNotice(const QString& text) {
    if (!m_notice) {
        m_notice = new QLabel(this);
        m_notice->setWordWrap(true);
        m_notice->setObjectName(QStringLiteral("notice"));
        m_layout->insertWidget(0, m_notice);
    }
    m_notice->setText(text);
}

void CPatientInfo::leaveField(PatientField f) {
    // The message box takes the focus, which leaves the field again: check it once.
    if (m_checking) return;
    m_checking = true;
    QLineEdit* edit = m_fields.at(f);
    if (isNumeric(f)) {
        if (const auto message = checkNumericField(f, edit->text().toStdString(), m_units)) {
            Messages::showString(this, *message);
            // The value before the mistake, not 0: a typo never wipes a measured weight.
            const auto valid = m_validNumbers.find(f);
            edit->setText(valid != m_validNumbers.end() ? valid->second : QStringLiteral("0"));
        } else {
            m_validNumbers[f] = edit->text();
        }
        m_checking = false;
        return;
    }
    const auto limit = static_cast<qsizetype>(textLimit(f));
    if (edit->text().size() > limit) {
        Messages::showString(this, textLimitMessage(f));
        edit->setText(edit->text().left(limit));
    }
    m_checking = false;
}

bool CPatientInfo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        for (const auto& [f, edit] : m_fields)
            if (edit == watched) leaveField(f);
    return QDialog::eventFilter(watched, event);
}

void CPatientInfo::accept() {
    // Save Info from inside a field (Enter) checks that field first, as leaving it would.
    for (const auto& [f, edit] : m_fields)
        if (edit->hasFocus()) leaveField(f);
    QDialog::accept();
}

void CPatientInfo::deleteInfo() {
    MessageRequest ask;
    ask.text = QString::fromStdString(kestrova::tr(str::ConfirmDeletePatient));
    ask.buttons = QMessageBox::Ok | QMessageBox::Cancel;
    ask.icon = QMessageBox::Question;
    if (Messages::show(this, ask) != QMessageBox::Ok) return;
    if (!m_onDelete || !m_onDelete(form())) return;
    for (PatientField f : {PatientField::Age, PatientField::Height, PatientField::Weight})
        m_fields[f]->setText(QStringLiteral("0"));
    for (PatientField f : {PatientField::Name, PatientField::Physician, PatientField::Note1, PatientField::Note2,
                           PatientField::Comments})
        m_fields[f]->clear();
}

} // namespace kestrova::ui
