#include "dialogs/CDelDataDlg.h"

#include "common/Messages.h"
#include "model/RecordingModel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace kestrova::ui {

CDelDataDlg::CDelDataDlg(const RecordingModel& model, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Delete Data"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_type = new QComboBox(this);
    m_type->addItems({tr("All"), tr("SpO2&Pr")});
    m_id = new QComboBox(this);
    m_id->addItem(tr("All"));
    for (int id = 1; id <= RecordingModel::kIdSlots; ++id)
        if (model.idSampleCount(id) > 0) m_id->addItem(QString::number(id));
    form->addRow(tr("Data Type :"), m_type);
    form->addRow(tr("ID :"), m_id);
    layout->addLayout(form);
    connect(m_id, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index > 0) {
            m_chosenId = m_id->itemText(index);
            return;
        }
        m_chosenId = QStringLiteral("All");
        m_chosenType = 0;
        m_type->setCurrentIndex(0);
    });
    connect(m_type, &QComboBox::currentIndexChanged, this, [this](int index) {
        // Only "All" data can be combined with all IDs.
        if (m_id->currentIndex() == 0) {
            if (index != 0) m_type->setCurrentIndex(0);
            return;
        }
        m_chosenType = index;
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CDelDataDlg::accept() {
    MessageRequest ask;
    const int id = patientId();
    const QString what = id == 0           ? tr("all recordings")
                         : dataType() == 0 ? tr("every recording of ID %1").arg(id)
                                           : tr("the SpO2 and pulse data of ID %1").arg(id);
    ask.text = id == 0 ? tr("Delete all recordings on the device? This cannot be undone.")
                       : tr("Delete %1 on the device? This cannot be undone.").arg(what);
    ask.icon = QMessageBox::Warning;
    ask.buttons = QMessageBox::Yes | QMessageBox::No;
    ask.defaultButton = QMessageBox::No;
    if (Messages::show(this, ask) != QMessageBox::Yes) return;
    QDialog::accept();
}

int CDelDataDlg::patientId() const {
    return m_chosenId.toInt();
}

int CDelDataDlg::dataType() const {
    return m_chosenType;
}

} // namespace kestrova::ui
