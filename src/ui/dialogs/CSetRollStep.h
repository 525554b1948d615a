// "Setup Step": asks for the roll step of a view. The caller sets `step` and
// `maxStep` and checks the result range itself (see acceptRollStep).
#pragma once

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace kestrova::ui {

class CSetRollStep : public QDialog {
    Q_OBJECT
public:
    explicit CSetRollStep(QWidget* parent = nullptr);

    int step = 0;
    int maxStep = 0;

    int exec() override;
    QLineEdit* edit() const { return m_edit; }

    // What a view does with the dialog's answer: keeps `current` unless 0 <= step <= maxStep,
    // showing "Please input a num which is between 0 and <maxStep>" then.
    static int acceptRollStep(QWidget* parent, int current, int step, int maxStep);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void accept() override;
    QLineEdit* m_edit = nullptr;
    QSpinBox* m_spin = nullptr;
};

} // namespace kestrova::ui
