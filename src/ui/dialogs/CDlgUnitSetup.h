// "Unit setup": imperial or metric heights and weights. Shows the unit system it is
// given; the caller stores the chosen one (UnitSetup) when it ends with OK.
#pragma once

#include "model/UnitSystem.h"

#include <QDialog>

class QLabel;
class QRadioButton;

namespace kestrova::ui {

class CDlgUnitSetup : public QDialog {
    Q_OBJECT
public:
    explicit CDlgUnitSetup(UnitSystem current, QWidget* parent = nullptr);
    UnitSystem chosen() const;
    QRadioButton* metric() const { return m_metric; }
    QRadioButton* britain() const { return m_britain; }

    // "These settings cannot be saved: <problem>." shown above the buttons while open, as
    // the settings file cannot be read and is never rewritten; empty hides the line.
    void setSaveProblem(const QString& problem);
    QLabel* saveProblem() const { return m_saveProblem; }

private:
    QRadioButton* m_britain;
    QRadioButton* m_metric;
    QLabel* m_saveProblem = nullptr;
};

} // namespace kestrova::ui
