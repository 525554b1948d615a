#include "app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kestrova::ui {

QString SingleInstance::lockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath() + QStringLiteral("/kestrova-%1").arg(::getuid());
    QDir().mkpath(dir);
    return dir + QStringLiteral("/PreventSecondInstance");
}

SingleInstance::SingleInstance() {
    m_fd.reset(::open(lockPath().toLocal8Bit().constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    // If the lock file cannot be made at all, run rather than refuse to start.
    m_acquired = !m_fd || ::flock(m_fd.get(), LOCK_EX | LOCK_NB) == 0;
}

} // namespace kestrova::ui
