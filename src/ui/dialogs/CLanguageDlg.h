// Options -> Language: the language of the next start. Lists the desktop's choice
// first ("" in the settings) and every language the program has; the caller stores the
// chosen code and says that it takes effect at the next start.
#pragma once

#include <QDialog>

class QListWidget;

namespace kestrova::ui {

class CLanguageDlg : public QDialog {
    Q_OBJECT
public:
    // `current`: the stored code, "" for the desktop's language.
    explicit CLanguageDlg(const QString& current, QWidget* parent = nullptr);
    QString chosen() const;
    QListWidget* list() const { return m_list; }

private:
    QListWidget* m_list;
};

} // namespace kestrova::ui
