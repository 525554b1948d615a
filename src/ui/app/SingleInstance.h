// One running program per user: a lock file named "PreventSecondInstance" in the
// user's runtime directory, held (flock) for the life of the process. The lock goes
// with the process, so a crash never leaves a stale lock behind.
#pragma once

#include "base/UniqueFd.h"

#include <QString>

namespace kestrova::ui {

class SingleInstance {
public:
    SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another instance holds the lock.
    bool acquired() const { return m_acquired; }
    static QString lockPath();

private:
    UniqueFd m_fd; // held, and so locked, as long as the program runs
    bool m_acquired = false;
};

} // namespace kestrova::ui
