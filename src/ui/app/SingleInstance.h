// One running program per user: a lock file named "PreventSecondInstance" in the
// user's runtime directory, held (flock) for the life of the process. The lock goes
// with the process, so a crash never leaves a stale lock behind. Beside it, a local
// socket on which the running instance takes the files a later start was given.
#pragma once

#include "base/UniqueFd.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QLocalServer;

namespace kestrova::ui {

class SingleInstance {
public:
    SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    ~SingleInstance();

    // False when another instance holds the lock.
    bool acquired() const { return m_acquired; }
    static QString lockPath();
    // Where the running instance takes files given to a later start.
    static QString socketPath();

    // The instance that holds the lock: `onFiles` runs (on the UI thread) with the
    // files a later start hands over.
    bool listen(std::function<void(const QStringList& files)> onFiles);
    // A later start: gives `files` to the running instance. False when nobody took them
    // within a second.
    static bool handOver(const QStringList& files);

private:
    UniqueFd m_fd; // held, and so locked, as long as the program runs
    bool m_acquired = false;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace kestrova::ui
