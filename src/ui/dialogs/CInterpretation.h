// "Interpretation": the physician's reading of this night, free text, printed on the
// clinical report above the signature lines.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace kestrova::ui {

class CInterpretation : public QDialog {
    Q_OBJECT
public:
    explicit CInterpretation(const QString& text, QWidget* parent = nullptr);
    QString text() const;
    QPlainTextEdit* edit() const { return m_edit; }

    // Long enough for a report's box; a longer text would not fit on the page.
    static constexpr int kMaxCharacters = 2000;

private:
    QPlainTextEdit* m_edit;
};

} // namespace kestrova::ui
