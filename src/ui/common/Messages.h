// Every message box of the program goes through here, so that tests can answer
// them without a modal box, and scripted runs (KESTROVA_MESSAGES=stderr) write them
// to stderr and take the default button instead of waiting for a person.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace kestrova::ui {

struct MessageRequest {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
};

class Messages {
public:
    using Handler = std::function<QMessageBox::StandardButton(const MessageRequest&)>;

    static QMessageBox::StandardButton show(QWidget* parent, const MessageRequest& request);
    // A plain OK box with the text of a string-table entry.
    static void showString(QWidget* parent, int stringId, QMessageBox::Icon icon = QMessageBox::NoIcon);
    static void info(QWidget* parent, const QString& text, QMessageBox::Icon icon = QMessageBox::NoIcon);

    // A settings file that could not be written (it was left as it was).
    static void settingsNotSaved(QWidget* parent, const std::string& reason);

    // Messages go to stderr and take their default button (KESTROVA_MESSAGES=stderr):
    // nobody is there to answer a dialog that would follow.
    static bool scripted();

    // Replaces how messages are shown (tests); an empty handler restores the default.
    static void setHandler(Handler handler);
};

} // namespace kestrova::ui
