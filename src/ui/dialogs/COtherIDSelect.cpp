#include "dialogs/COtherIDSelect.h"

#include "common/Messages.h"
#include "model/PatientForm.h"
#include "model/RecordingModel.h"
#include "text/StringTable.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QFontDatabase>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrova::ui {

COtherIDSelect::COtherIDSelect(const RecordingModel& model, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Open other ID data"));
    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont)); // the lines are aligned by spaces
    for (int id = 1; id <= RecordingModel::kIdSlots; ++id)
        if (model.idSampleCount(id) > 0)
            m_list->addItem(QString::fromStdString(idListLine(id, model.idSampleCount(id))));
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Done"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemActivated, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void COtherIDSelect::done(int r) {
    if (r != QDialog::Accepted) {
        QDialog::done(r);
        return;
    }
    QListWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected()) {
        Messages::showString(this, str::SelectPatientId); // and the current patient stays as it is
        return;
    }
    m_chosenId = idFromListLine(item->text().toStdString());
    QDialog::done(r);
}

} // namespace kestrova::ui
