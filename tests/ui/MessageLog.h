// Answers every message box with the next of `answers`, else its default button, and keeps its text, for as long
// as it lives; the UI tests read what the program said from it.
#pragma once

#include "common/Messages.h"

#include <QStringList>

namespace kestrova::test {

class MessageLog {
public:
    MessageLog() {
        ui::Messages::setHandler([this](const ui::MessageRequest& r) {
            texts << r.text;
            return answers.isEmpty() ? r.defaultButton : answers.takeFirst();
        });
    }
    ~MessageLog() { ui::Messages::setHandler({}); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    QStringList texts;
    QList<QMessageBox::StandardButton> answers; // given in order, before the default
};

} // namespace kestrova::test
