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

    // The extension a filter such as "CSV (*.csv)" or "(*.xlsx)" gives a name typed
    // without one; empty for "*" or no pattern.
    static QString suffixOfFilter(const QString& filter);
    // Where a dialog starts: the folder of the last file chosen in this session, else
    // the user's documents folder, else home; never a hidden folder.
    static QString startFolder();
    static void setHandler(Handler handler);
};

} // namespace kestrova::ui
