#include "dialogs/CAnalysisSetup.h"

#include "common/Messages.h"
#include "settings/AnalysisSetupRules.h"
#include "text/StringTable.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace kestrova::ui {
namespace {
const char* const kLabels[6] = {QT_TRANSLATE_NOOP("CAnalysisSetup", "Times with saturations high"),
                                QT_TRANSLATE_NOOP("CAnalysisSetup", "Times with saturations low"),
                                QT_TRANSLATE_NOOP("CAnalysisSetup", "Times with pr high"),
                                QT_TRANSLATE_NOOP("CAnalysisSetup", "Times with pr low"),
                                QT_TRANSLATE_NOOP("CAnalysisSetup", "Desaturation Event"),
                                QT_TRANSLATE_NOOP("CAnalysisSetup", "Pulse Event")};
}

CAnalysisSetup::CAnalysisSetup(const Values& saved, QWidget* parent) : QDialog(parent), m_saved(saved) {
    setWindowTitle(tr("Analysis setup"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (int row = 0; row < 6; ++row) {
        grid->addWidget(new QLabel(QCoreApplication::translate("CAnalysisSetup", kLabels[row]), this), row, 0);
        auto* edit = new QLineEdit(this);
        edit->setValidator(new QIntValidator(0, 9999, edit));
        edit->setMaximumWidth(80);
        edit->installEventFilter(this);
        m_edits[static_cast<std::size_t>(row)] = edit;
        grid->addWidget(edit, row, 1);
        auto* up = new QToolButton(this);
        up->setArrowType(Qt::UpArrow);
        auto* down = new QToolButton(this);
        down->setArrowType(Qt::DownArrow);
        grid->addWidget(up, row, 2);
        grid->addWidget(down, row, 3);
        connect(up, &QToolButton::clicked, this, [this, row] { step(row, +1); });
        connect(down, &QToolButton::clicked, this, [this, row] { step(row, -1); });
        connect(edit, &QLineEdit::textChanged, this, [this, row](const QString& text) {
            if (m_showing || text.toInt() != 0) return;
            // Clearing a field brings its saved value back at once.
            Messages::showString(this, kAnalysisSettings[static_cast<std::size_t>(row)].rangeMessage);
            reload(row);
        });
        m_values[static_cast<std::size_t>(row)] = m_saved[static_cast<std::size_t>(row)];
        show(row);
    }
    layout->addLayout(grid);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAnalysisSetup::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_saveProblem = new QLabel(this);
    m_saveProblem->setObjectName(QStringLiteral("saveProblem"));
    m_saveProblem->setWordWrap(true);
    m_saveProblem->hide();
    layout->addWidget(m_saveProblem);
    layout->addWidget(buttons);
}

void CAnalysisSetup::show(int row) {
    m_showing = true;
    m_edits[static_cast<std::size_t>(row)]->setText(QString::number(m_values[static_cast<std::size_t>(row)]));
    m_showing = false;
}

void CAnalysisSetup::reload(int row) {
    m_values[static_cast<std::size_t>(row)] = m_saved[static_cast<std::size_t>(row)];
    show(row);
}

void CAnalysisSetup::takeEdits() {
    for (std::size_t i = 0; i < 6; ++i) {
        bool ok = false;
        const int v = m_edits[i]->text().toInt(&ok);
        if (ok && v >= 0) m_values[i] = v;
    }
}

void CAnalysisSetup::step(int row, int delta) {
    takeEdits();
    auto& v = m_values[static_cast<std::size_t>(row)];
    v = stepAnalysisValue(kAnalysisSettings[static_cast<std::size_t>(row)], v, delta);
    for (int r = 0; r < 6; ++r) show(r);
}

void CAnalysisSetup::leaveField(int row) {
    const auto& s = kAnalysisSettings[static_cast<std::size_t>(row)];
    const int v = m_edits[static_cast<std::size_t>(row)]->text().toInt();
    if (v <= 0) return;
    if (v >= s.key.minimum && v <= s.key.maximum) {
        takeEdits();
        return;
    }
    Messages::showString(this, s.rangeMessage);
    reload(row);
}

bool CAnalysisSetup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        for (int row = 0; row < 6; ++row)
            if (watched == m_edits[static_cast<std::size_t>(row)]) leaveField(row);
    return QDialog::eventFilter(watched, event);
}

void CAnalysisSetup::accept() {
    takeEdits();
    if (m_values[0] <= m_values[1]) {
        Messages::showString(this, str::Spo2HighNotAboveLow);
        reload(0);
        reload(1);
    }
    if (m_values[2] <= m_values[3]) {
        Messages::showString(this, str::PrHighNotAboveLow);
        reload(2);
        reload(3);
    }
    QDialog::accept();
}

void CAnalysisSetup::setSaveProblem(const QString& problem) {
    m_saveProblem->setText(problem.isEmpty() ? QString() : tr("These settings cannot be saved: %1.").arg(problem));
    m_saveProblem->setVisible(!problem.isEmpty());
}

} // namespace kestrova::ui
