// Answers every message box with its default button and keeps its text, for as long
// as it lives; the UI tests read what the program said from it.
#pragma once

#include "app/Messages.h"

#include <QStringList>

namespace kestrova::test {

class MessageLog {
public:
    MessageLog() {
        ui::Messages::setHandler([this](const ui::MessageRequest& r) {
            texts << r.text;
            return r.defaultButton;
        });
    }
    ~MessageLog() { ui::Messages::setHandler({}); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    QStringList texts;
};

} // namespace kestrova::test
