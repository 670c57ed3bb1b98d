#include "platform/SingleInstance.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include <QCryptographicHash>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSysInfo>

#include "platform/FileOps.h"

namespace sorbeta::platform {
namespace {

constexpr const char* kLockName = "instance.lock";
constexpr const char* kSocketName = "instance.socket";
constexpr QByteArrayView kRaise = "raise\n";
// sockaddr_un holds at most 108 bytes of path.
constexpr std::size_t kSocketPathMax = 100;

// Whether the lock file names a process of this machine that no longer runs.
bool holderIsGone(const QLockFile& lock) {
    qint64 pid = 0;
    QString host, application;
    if (!lock.getLockInfo(&pid, &host, &application) || pid <= 0 || host != QSysInfo::machineHostName()) return false;
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace

SingleInstance::SingleInstance(std::filesystem::path dataFolder) : dataFolder_(std::move(dataFolder)) {}

SingleInstance::~SingleInstance() { release(); }

QString SingleInstance::socketName() const {
    const std::filesystem::path path = dataFolder_ / kSocketName;
    if (path.native().size() <= kSocketPathMax) return QFile::decodeName(path.c_str());
    // A data folder too deep for a socket path: a name of our own in the
    // temporary folder, one per user and data folder.
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray::fromStdString(path.native()), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("sorbeta-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

SingleInstance::Claim SingleInstance::claim(int waitMs) {
    if (holdsLock()) return Claim::claimed;
    if (!makeAppFolder(dataFolder_)) return Claim::unavailable;
    lock_ = std::make_unique<QLockFile>(QFile::decodeName((dataFolder_ / kLockName).c_str()));
    // A lock is stale only when its process is gone (the lock file names it),
    // never because of its age.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(waitMs)) return Claim::claimed;
    // Qt clears a lock whose process died only once it has written a file of
    // its own beside it; on a full disk it cannot, and such a lock would keep
    // every launch out until there is room again. Removing it takes the
    // file's own lock, which a living holder keeps.
    if (lock_->error() == QLockFile::LockFailedError && holderIsGone(*lock_) && lock_->removeStaleLockFile() &&
        lock_->tryLock(0))
        return Claim::claimed;
    // Only a lock another process holds means another instance; a lock file
    // that could not be written (the disk is full) means nothing of the kind.
    const bool taken = lock_->error() == QLockFile::LockFailedError;
    lock_.reset();
    return taken ? Claim::taken : Claim::unavailable;
}

bool SingleInstance::holdsLock() const { return lock_ && lock_->isLocked(); }

bool SingleInstance::handOver() const {
    QLocalSocket socket;
    socket.connectToServer(socketName());
    if (!socket.waitForConnected(1000)) return false;
    socket.write(kRaise.data(), kRaise.size());
    const bool sent = socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return sent;
}

void SingleInstance::listen(std::function<void()> raise) {
    if (!holdsLock()) return;
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock: a socket left there is from an instance that died.
    QLocalServer::removeServer(socketName());
    if (!server_->listen(socketName())) {
        server_.reset();
        return;
    }
    QLocalServer* server = server_.get();
    QObject::connect(server, &QLocalServer::newConnection, server, [server, raise = std::move(raise)] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, raise] {
                // Only a whole request counts; anything else is dropped.
                if (socket->readAll().startsWith(QByteArray(kRaise.data(), kRaise.size())) && raise) raise();
                socket->disconnectFromServer();
            });
        }
    });
}

void SingleInstance::release() {
    if (server_) {
        server_->close();
        server_.reset();
    }
    if (lock_) {
        lock_->unlock();
        lock_.reset();
    }
}

bool SingleInstance::isRelaunch(const QStringList& arguments) {
    return arguments.contains(QLatin1String(kRelaunchArgument));
}

QStringList SingleInstance::relaunchArguments(const QStringList& arguments) {
    QStringList out = arguments;
    out.removeAll(QLatin1String(kRelaunchArgument));
    out.append(QLatin1String(kRelaunchArgument));
    return out;
}

}  // namespace sorbeta::platform
