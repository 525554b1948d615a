// "Open other ID data": the downloaded IDs; Done returns the chosen one.
#pragma once

#include <QDialog>

class QListWidget;

namespace kestrova {
class RecordingModel;
} // namespace kestrova

namespace kestrova::ui {

class COtherIDSelect : public QDialog {
    Q_OBJECT
public:
    explicit COtherIDSelect(const RecordingModel& model, QWidget* parent = nullptr);
    QListWidget* list() const { return m_list; }
    void done(int r) override;
    // After Done: the ID to make current.
    int chosenId() const { return m_chosenId; }

private:
    QListWidget* m_list;
    int m_chosenId = 0;
};

} // namespace kestrova::ui
