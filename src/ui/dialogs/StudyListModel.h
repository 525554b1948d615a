// The rows of the Studies window: one study each, its patient and figures in columns
// that sort by value (not by text) and a search text of name, ID and date for the
// filter above the table.
#pragma once

#include "library/StudyLibrary.h"

#include <QAbstractTableModel>

#include <vector>

namespace kestrova::ui {

class StudyListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Patient, Id, Start, Duration, ValidHours, Odi3, Odi4, T90, Nadir, Interpretation, ColumnCount };
    static constexpr int kSortRole = Qt::UserRole + 1;
    static constexpr int kSearchRole = Qt::UserRole + 2;

    explicit StudyListModel(QObject* parent = nullptr);

    void setStudies(std::vector<StudySummary> studies);
    const StudySummary& study(int row) const { return m_studies[static_cast<std::size_t>(row)]; }
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // "Jane Doe" or, without a name, "ID 3": whose night a study is.
    static QString patientName(const StudySummary& s);
    // "2026-11-30 22:30" of the first sample.
    static QString startText(const StudySummary& s);

private:
    std::vector<StudySummary> m_studies;
    std::vector<QString> m_names, m_search; // decoded once: sorting and filtering read them often
};

} // namespace kestrova::ui
