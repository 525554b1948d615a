// "Analysis setup": the four limits and the two event thresholds of the analysis.
// Starts from the saved values it is given (a cleared or out-of-range field returns
// to its saved value); the caller stores values() when it ends with OK.
#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;

namespace kestrova::ui {

class CAnalysisSetup : public QDialog {
    Q_OBJECT
public:
    using Values = std::array<int, 6>; // in the order of kAnalysisSettings
    explicit CAnalysisSetup(const Values& saved, QWidget* parent = nullptr);
    const Values& values() const { return m_values; }

    QLineEdit* edit(int row) const { return m_edits[static_cast<std::size_t>(row)]; }
    int value(int row) const { return m_values[static_cast<std::size_t>(row)]; }
    void step(int row, int delta); // the up-down arrows: +1 up, -1 down
    void leaveField(int row);      // what losing the focus does
    void accept() override;

    // "These settings cannot be saved: <problem>." shown above the buttons while open, as
    // the settings file cannot be read and is never rewritten; empty hides the line.
    void setSaveProblem(const QString& problem);
    QLabel* saveProblem() const { return m_saveProblem; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(int row);
    void reload(int row);
    void takeEdits();

    std::array<QLineEdit*, 6> m_edits{};
    Values m_saved{};
    Values m_values{};
    bool m_showing = false;
    QLabel* m_saveProblem = nullptr;
};

} // namespace kestrova::ui
