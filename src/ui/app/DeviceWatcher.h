// Notices serial devices that appear (a USB bridge plugged in) by watching /dev.
#pragma once

#include <QFileSystemWatcher>
#include <QSet>
#include <QString>

namespace kestrova::ui {

class DeviceWatcher : public QObject {
    Q_OBJECT
public:
    explicit DeviceWatcher(const QString& directory = QStringLiteral("/dev"), QObject* parent = nullptr);

signals:
    void serialDeviceArrived(const QString& name);

private:
    void rescan();
    QSet<QString> serialNames() const;

    QString m_directory;
    QFileSystemWatcher m_watcher;
    QSet<QString> m_known;
};

} // namespace kestrova::ui
