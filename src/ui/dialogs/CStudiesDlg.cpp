#include "dialogs/CStudiesDlg.h"

#include "common/Messages.h"
#include "dialogs/CNightsDlg.h"
#include "dialogs/StudyListModel.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace kestrova::ui {

CStudiesDlg::CStudiesDlg(StudyLibrary& library, QWidget* parent) : QDialog(parent), m_library(library) {
    setWindowTitle(tr("Studies"));
    auto* layout = new QVBoxLayout(this);
    auto* searchRow = new QHBoxLayout;
    auto* searchLabel = new QLabel(tr("&Search:"), this);
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(tr("name, ID or date"));
    m_search->setClearButtonEnabled(true);
    searchLabel->setBuddy(m_search);
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_search, 1);
    layout->addLayout(searchRow);

    m_model = new StudyListModel(this);
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(StudyListModel::kSortRole);
    m_proxy->setFilterRole(StudyListModel::kSearchRole);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_table = new QTableView(this);
    m_table->setModel(m_proxy);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(StudyListModel::Start, Qt::DescendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setMinimumSize(860, 380);
    layout->addWidget(m_table, 1);
    connect(m_search, &QLineEdit::textChanged, m_proxy, &QSortFilterProxyModel::setFilterFixedString);
    connect(m_table, &QTableView::activated, this, [this] { openSelected(); });

    auto* buttons = new QDialogButtonBox(this);
    m_open = buttons->addButton(tr("&Open"), QDialogButtonBox::ActionRole);
    m_compare = buttons->addButton(tr("Compare &Nights..."), QDialogButtonBox::ActionRole);
    m_delete = buttons->addButton(tr("&Delete..."), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    for (QPushButton* b : {m_compare, m_delete}) b->setAutoDefault(false);
    m_open->setDefault(true);
    layout->addWidget(buttons);
    connect(m_open, &QPushButton::clicked, this, &CStudiesDlg::openSelected);
    connect(m_compare, &QPushButton::clicked, this, &CStudiesDlg::compareSelected);
    connect(m_delete, &QPushButton::clicked, this, &CStudiesDlg::deleteSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    reload();
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CStudiesDlg::selectionChanged);
    selectionChanged();
    m_search->setFocus();
}

void CStudiesDlg::reload() {
    auto listed = m_library.list();
    if (!listed) {
        Messages::info(this, QString::fromStdString(listed.error().text()), QMessageBox::Warning);
        m_model->setStudies({});
        return;
    }
    m_model->setStudies(std::move(*listed));
    m_table->resizeColumnsToContents();
    setWindowTitle(tr("Studies (%1)").arg(m_model->rowCount()));
}

std::vector<StudySummary> CStudiesDlg::selectedStudies() const {
    std::vector<StudySummary> out;
    QModelIndexList rows = m_table->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& r : rows) out.push_back(m_model->study(m_proxy->mapToSource(r).row()));
    return out;
}

void CStudiesDlg::selectionChanged() {
    const auto n = m_table->selectionModel()->selectedRows().size();
    m_open->setEnabled(n == 1);
    m_delete->setEnabled(n >= 1);
    m_compare->setEnabled(n >= 2);
}

void CStudiesDlg::openSelected() {
    const auto chosen = selectedStudies();
    if (chosen.size() != 1) return;
    m_chosen = chosen.front().id;
    m_followUp.clear();
    accept();
}

void CStudiesDlg::deleteSelected() {
    const auto chosen = selectedStudies();
    if (chosen.empty()) return;
    MessageRequest r;
    r.title = tr("Studies");
    r.icon = QMessageBox::Question;
    r.text = chosen.size() == 1
                 ? tr("Delete the study of %1 from %2? Its recording is moved to the library's trash.")
                       .arg(StudyListModel::patientName(chosen.front()), StudyListModel::startText(chosen.front()))
                 : tr("Delete these %1 studies? Their recordings are moved to the library's trash.").arg(chosen.size());
    r.buttons = QMessageBox::Yes | QMessageBox::No;
    r.defaultButton = QMessageBox::No;
    if (Messages::show(this, r) != QMessageBox::Yes) return;
    for (const StudySummary& s : chosen)
        if (const Outcome removed = m_library.remove(s.id); !removed) {
            Messages::info(this, QString::fromStdString(removed.error().text()), QMessageBox::Warning);
            break;
        }
    reload();
}

void CStudiesDlg::compareSelected() {
    auto chosen = selectedStudies();
    if (chosen.size() < 2) return;
    // One patient's nights: the name decides, or the ID for records without one.
    const QString who = StudyListModel::patientName(chosen.front());
    for (const StudySummary& s : chosen)
        if (StudyListModel::patientName(s).compare(who, Qt::CaseInsensitive) != 0) {
            Messages::info(this, tr("Select nights of one patient to compare them (%1 and %2 are "
                                    "different patients).")
                                     .arg(who, StudyListModel::patientName(s)));
            return;
        }
    std::sort(chosen.begin(), chosen.end(),
              [](const StudySummary& a, const StudySummary& b) { return a.start < b.start; });
    std::vector<pages::FollowUpNight> nights;
    for (const StudySummary& s : chosen) nights.push_back({s.start, s.figures});
    CNightsDlg dialog(who, nights, this);
    if (dialog.exec() != QDialog::Accepted) return;
    m_chosen = chosen.back().id; // the latest night, with the others on its report
    m_followUp = std::move(nights);
    accept();
}

void CStudiesDlg::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_table->hasFocus()) {
        openSelected();
        return;
    }
    if (event->key() == Qt::Key_Delete && m_table->hasFocus()) {
        deleteSelected();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace kestrova::ui
