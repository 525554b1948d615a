#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
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

SingleInstance::~SingleInstance() = default;

QString SingleInstance::socketPath() {
    return lockPath() + QStringLiteral(".socket");
}

bool SingleInstance::listen(std::function<void(const QStringList&)> onFiles) {
    if (!m_acquired) return false;
    // Only the holder of the lock gets here, so a socket file left by a crash is stale.
    QLocalServer::removeServer(socketPath());
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(socketPath())) {
        m_server.reset();
        return false;
    }
    QLocalServer* server = m_server.get();
    QObject::connect(server, &QLocalServer::newConnection, server, [server, onFiles] {
        while (QLocalSocket* peer = server->nextPendingConnection()) {
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            // One message: the paths, one a line, ended by an empty line.
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(peer, &QLocalSocket::readyRead, peer, [peer, buffer, onFiles] {
                buffer->append(peer->readAll());
                if (buffer->size() > (1 << 20)) return peer->abort(); // not a list of file names
                if (!buffer->endsWith("\n\n")) return;
                QStringList files = QString::fromUtf8(*buffer).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
                buffer->clear();
                peer->write("ok\n");
                peer->flush();
                onFiles(files);
            });
        }
    });
    return true;
}

bool SingleInstance::handOver(const QStringList& files) {
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(1000)) return false;
    socket.write((files.join(QLatin1Char('\n')) + QStringLiteral("\n\n")).toUtf8());
    if (!socket.waitForBytesWritten(1000)) return false;
    // Taken once the running instance says so.
    while (socket.bytesAvailable() < 3)
        if (!socket.waitForReadyRead(1000)) return false;
    return socket.readAll().startsWith("ok");
}

} // namespace kestrova::ui
