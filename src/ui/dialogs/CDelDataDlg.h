// "Delete Data": all IDs, or one downloaded ID with all data or SpO2 and pulse only.
#pragma once

#include <QDialog>

class QComboBox;

namespace kestrova {
class RecordingModel;
}

namespace kestrova::ui {

class CDelDataDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDelDataDlg(const RecordingModel& model, QWidget* parent = nullptr);
    int patientId() const; // 0 = all IDs
    int dataType() const;  // 0 = all, 1 = SpO2 and pulse
    QComboBox* idCombo() const { return m_id; }
    QComboBox* typeCombo() const { return m_type; }
    // OK asks once more, with No as the default answer: deleting cannot be undone.
    void accept() override;

private:
    QComboBox* m_id;
    QComboBox* m_type;
    QString m_chosenId = QStringLiteral("All");
    int m_chosenType = 0;
};

} // namespace kestrova::ui
