// Options > Report...: the clinic's name, three address lines, a logo and the paper the
// clinical report is printed on. Shows the values it is given; the caller stores
// chosen() when it ends with OK.
#pragma once

#include "settings/ReportSettings.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kestrova::ui {

class CReportSetup : public QDialog {
    Q_OBJECT
public:
    explicit CReportSetup(const ReportSettings& current, QWidget* parent = nullptr);
    ReportSettings chosen() const;

    QLineEdit* clinic() const { return m_clinic; }
    QLineEdit* addressLine(int i) const { return m_address[static_cast<std::size_t>(i)]; }
    QLineEdit* logo() const { return m_logo; }
    QPushButton* chooseLogo() const { return m_chooseLogo; }
    QPushButton* clearLogo() const { return m_clearLogo; }
    QComboBox* paper() const { return m_paper; }
    QLabel* logoPreview() const { return m_preview; }

    // "These settings cannot be saved: <problem>." shown above the buttons while open, as
    // the settings file cannot be read and is never rewritten; empty hides the line.
    void setSaveProblem(const QString& problem);
    QLabel* saveProblem() const { return m_saveProblem; }

private:
    void showLogo();

    QLineEdit* m_clinic;
    std::array<QLineEdit*, 3> m_address{};
    QLineEdit* m_logo;
    QPushButton* m_chooseLogo;
    QPushButton* m_clearLogo;
    QLabel* m_preview;
    QComboBox* m_paper;
    QLabel* m_saveProblem = nullptr;
};

} // namespace kestrova::ui
