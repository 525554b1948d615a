// "Unit setup": imperial or metric heights and weights (UnitSetup).
#pragma once

#include <QDialog>

class QRadioButton;

namespace kestrova::ui {

class CDlgUnitSetup : public QDialog {
    Q_OBJECT
public:
    explicit CDlgUnitSetup(QWidget* parent = nullptr);
    QRadioButton* metric() const { return m_metric; }
    QRadioButton* britain() const { return m_britain; }
    void accept() override;

private:
    QRadioButton* m_britain;
    QRadioButton* m_metric;
};

} // namespace kestrova::ui
