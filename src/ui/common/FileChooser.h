// File dialogs go through here so that tests can answer them.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace kestrova::ui {

class FileChooser {
public:
    struct Request {
        bool save = true;
        QString caption, proposedName, filter, defaultSuffix;
    };
    using Handler = std::function<QString(const Request&)>; // empty result: cancelled

    static QString choose(QWidget* parent, const Request& request);
    static void setHandler(Handler handler);
};

} // namespace kestrova::ui
