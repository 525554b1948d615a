// "Studies": every recording the library keeps, one row each, sortable by every
// column and filtered by a search field; a study opens by double-click or Enter, is
// deleted (moved to the library's trash) after a question, and several nights of one
// patient are compared side by side.
#pragma once

#include "library/StudyLibrary.h"
#include "pages/ClinicalReport.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace kestrova::ui {

class StudyListModel;

class CStudiesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CStudiesDlg(StudyLibrary& library, QWidget* parent = nullptr);

    // After OK: the study to open and, when it was opened from a comparison, the
    // patient's nights (oldest first) for the report's follow-up page.
    std::optional<StudyId> chosenStudy() const { return m_chosen; }
    const std::vector<pages::FollowUpNight>& followUp() const { return m_followUp; }

    // The actions of the buttons, also used by tests.
    void reload();
    void openSelected();
    void deleteSelected();
    void compareSelected();

    QLineEdit* search() const { return m_search; }
    QTableView* table() const { return m_table; }
    QSortFilterProxyModel* rows() const { return m_proxy; }
    StudyListModel* studies() const { return m_model; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The studies of the selected rows, in the table's order.
    std::vector<StudySummary> selectedStudies() const;
    void selectionChanged();

    StudyLibrary& m_library;
    StudyListModel* m_model = nullptr;
    QSortFilterProxyModel* m_proxy = nullptr;
    QTableView* m_table = nullptr;
    QLineEdit* m_search = nullptr;
    QPushButton *m_open = nullptr, *m_compare = nullptr, *m_delete = nullptr;
    std::optional<StudyId> m_chosen;
    std::vector<pages::FollowUpNight> m_followUp;
};

} // namespace kestrova::ui
