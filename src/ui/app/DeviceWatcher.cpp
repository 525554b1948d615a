#include "app/DeviceWatcher.h"

#include <QDir>

namespace kestrova::ui {

DeviceWatcher::DeviceWatcher(const QString& directory, QObject* parent)
    : QObject(parent), m_directory(directory), m_known(serialNames()) {
    m_watcher.addPath(directory);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &DeviceWatcher::rescan);
}

QSet<QString> DeviceWatcher::serialNames() const {
    static const QStringList patterns = {QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*"),
                                         QStringLiteral("rfcomm*")};
    const QStringList names = QDir(m_directory).entryList(patterns, QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    return QSet<QString>(names.begin(), names.end());
}

void DeviceWatcher::rescan() {
    const QSet<QString> now = serialNames();
    for (const QString& name : now)
        if (!m_known.contains(name)) emit serialDeviceArrived(name);
    m_known = now;
}

} // namespace kestrova::ui
