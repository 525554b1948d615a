#include "dialogs/StudyListModel.h"

#include "text/TextCodec.h"

#include <QCoreApplication>

namespace kestrova::ui {

StudyListModel::StudyListModel(QObject* parent) : QAbstractTableModel(parent) {}

QString StudyListModel::patientName(const StudySummary& s) {
    const QString name = QString::fromStdString(decodeStoredText(fieldBytes(s.patient.name))).trimmed();
    return name.isEmpty() ? tr("ID %1").arg(s.patient.id) : name;
}

QString StudyListModel::startText(const StudySummary& s) {
    QString t = QString::fromStdString(s.start).left(16);
    t.replace(QLatin1Char('T'), QLatin1Char(' '));
    return t;
}

void StudyListModel::setStudies(std::vector<StudySummary> studies) {
    beginResetModel();
    m_studies = std::move(studies);
    m_names.clear();
    m_search.clear();
    m_names.reserve(m_studies.size());
    m_search.reserve(m_studies.size());
    for (const StudySummary& s : m_studies) {
        m_names.push_back(patientName(s));
        m_search.push_back(m_names.back() + QStringLiteral(" ID %1 ").arg(s.patient.id) + startText(s));
    }
    endResetModel();
}

int StudyListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_studies.size());
}

int StudyListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

namespace {
QString hoursAndMinutes(std::int64_t seconds) {
    return QCoreApplication::translate("StudyListModel", "%1 h %2 min")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
}
} // namespace

QVariant StudyListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const std::size_t row = static_cast<std::size_t>(index.row());
    const StudySummary& s = m_studies[row];
    const StudyFigures& f = s.figures;
    if (role == kSearchRole) return m_search[row];
    if (role == Qt::TextAlignmentRole)
        return index.column() <= Start ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                       : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == kSortRole) {
        switch (index.column()) {
        case Patient: return m_names[row].toLower();
        case Id: return s.patient.id;
        case Start: return QString::fromStdString(s.start);
        case Duration: return static_cast<qlonglong>(s.sampleCount);
        case ValidHours: return static_cast<qlonglong>(f.validSeconds);
        case Odi3: return f.odi3;
        case Odi4: return f.odi4;
        case T90: return f.t90Percent;
        case Nadir: return f.nadir;
        case Interpretation: return s.hasInterpretation ? 1 : 0;
        default: return {};
        }
    }
    if (role == Qt::ToolTipRole && index.column() == Patient && !s.patientConfirmed)
        return tr("Details proposed from the patient list: not confirmed for this recording");
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case Patient: return s.patientConfirmed ? m_names[row] : m_names[row] + QStringLiteral(" (?)");
    case Id: return s.patient.id;
    case Start: return startText(s) + (s.partial ? tr(" (partial)") : QString());
    case Duration: return hoursAndMinutes(s.sampleCount);
    case ValidHours: return QString::number(static_cast<double>(f.validSeconds) / 3600.0, 'f', 1);
    case Odi3: return QString::number(f.odi3, 'f', 1);
    case Odi4: return QString::number(f.odi4, 'f', 1);
    case T90: return QString::number(f.t90Percent, 'f', 1);
    case Nadir: return f.nadir > 0 ? QString::number(f.nadir) : QStringLiteral("-");
    case Interpretation: return s.hasInterpretation ? tr("yes") : QString();
    default: return {};
    }
}

QVariant StudyListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const names[ColumnCount] = {
        QT_TRANSLATE_NOOP("StudyListModel", "Patient"),   QT_TRANSLATE_NOOP("StudyListModel", "ID"),
        QT_TRANSLATE_NOOP("StudyListModel", "Start"),     QT_TRANSLATE_NOOP("StudyListModel", "Duration"),
        QT_TRANSLATE_NOOP("StudyListModel", "Valid h"),   QT_TRANSLATE_NOOP("StudyListModel", "ODI 3 %/h"),
        QT_TRANSLATE_NOOP("StudyListModel", "ODI 4 %/h"), QT_TRANSLATE_NOOP("StudyListModel", "T90 %"),
        QT_TRANSLATE_NOOP("StudyListModel", "Nadir %"),   QT_TRANSLATE_NOOP("StudyListModel", "Interpretation")};
    return section >= 0 && section < ColumnCount ? QCoreApplication::translate("StudyListModel", names[section])
                                                 : QVariant();
}

} // namespace kestrova::ui
