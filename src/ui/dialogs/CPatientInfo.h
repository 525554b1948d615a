// "Edit patient information": the current patient's details, checked field by field
// when a field is left; Save Info and Delete Info act on the patient database.
#pragma once

#include "model/PatientForm.h"

#include <QDialog>

#include <functional>
#include <map>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace kestrova::ui {

class CPatientInfo : public QDialog {
    Q_OBJECT
public:
    // `onDelete` runs Delete Info on the form as it stands; it returns false when the
    // ID is invalid (the dialog then keeps its fields).
    CPatientInfo(const PatientForm& form, UnitSystem units, std::function<bool(const PatientForm&)> onDelete,
                 QWidget* parent = nullptr);

    PatientForm form() const;
    // Shows a "Use stored details" button naming the stored patient; clicking it fills
    // the form with `stored`.
    void offerStoredDetails(const PatientForm& stored, const QString& storedName);
    QPushButton* useStoredButton() const { return m_useStored; }
    // A line above the fields saying where the details shown came from.
    void setNotice(const QString& text);
    QLabel* notice() const { return m_notice; }
    void setForm(const PatientForm& form);
    QLineEdit* field(PatientField f) const { return m_fields.at(f); }
    QLabel* heightUnit() const { return m_heightUnit; }
    QLabel* weightUnit() const { return m_weightUnit; }
    void leaveField(PatientField f);
    void deleteInfo();
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    UnitSystem m_units;
    std::map<PatientField, QLineEdit*> m_fields;
    QLineEdit* m_id = nullptr;
    QComboBox* m_gender = nullptr;
    QLabel* m_heightUnit = nullptr;
    QLabel* m_weightUnit = nullptr;
    QPushButton* m_useStored = nullptr;
    QLabel* m_notice = nullptr;
    std::map<PatientField, QString> m_validNumbers; // the last value each number field passed with
    bool m_checking = false;
    QVBoxLayout* m_layout = nullptr;
    std::function<bool(const PatientForm&)> m_onDelete;
};

} // namespace kestrova::ui
