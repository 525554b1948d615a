// "Open other ID data": the downloaded IDs; Done makes the chosen one current.
#pragma once

#include <QDialog>

class QListWidget;

namespace kestrova {
class RecordingModel;
class PatientDatabase;
} // namespace kestrova

namespace kestrova::ui {

class COtherIDSelect : public QDialog {
    Q_OBJECT
public:
    COtherIDSelect(RecordingModel& model, const PatientDatabase& db, QWidget* parent = nullptr);
    QListWidget* list() const { return m_list; }
    void done(int r) override;

private:
    RecordingModel& m_model;
    const PatientDatabase& m_db;
    QListWidget* m_list;
};

} // namespace kestrova::ui
