#include "app/single_instance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace selenar {

namespace {

constexpr const char* kActivate = "activate";
constexpr int kWaitForFirstMs = 3000;

// Qt refuses a runtime folder that is missing or owned by someone else; the
// fallback carries the user id, so users never share a lock, and only its
// owner may use it.
QString PerUserFolder() {
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (!runtime.isEmpty()) return runtime;
#ifdef Q_OS_UNIX
  const QString userId = QString::number(::getuid());
#else
  const QString userId = qEnvironmentVariable("USERNAME");
#endif
  const QString fallback = QDir(QDir::tempPath()).filePath("selenar-" + userId);
  if (QDir().mkdir(fallback)) {
    QFile::setPermissions(fallback, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  return fallback;
}

}  // namespace

SingleInstance::SingleInstance(const QString& folder) {
  const QString place = folder.isEmpty() ? PerUserFolder() : folder;
  lockPath_ = QDir(place).filePath("selenar.lock");
  socketPath_ = QDir(place).filePath("selenar.socket");
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::ClaimInstance() {
  lock_ = std::make_unique<QLockFile>(lockPath_);
  // A lock is stale only when its process is gone, never because of its age:
  // the program runs for days.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) {
    Listen();
    return Claim::First;
  }
  if (lock_->error() != QLockFile::LockFailedError) {
    error_ =
        QString("Не удалось создать файл блокировки %1.").arg(QDir::toNativeSeparators(lockPath_));
    return Claim::Failed;
  }
  if (AskFirstToComeForward()) return Claim::Forwarded;
  error_ = "Программа уже запущена, но не отвечает.";
  return Claim::Failed;
}

void SingleInstance::Listen() {
  QLocalServer::removeServer(socketPath_);  // a socket left by a killed first start
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_.get(), &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (socket->readAll().contains(kActivate)) emit activationRequested();
        socket->disconnectFromServer();
      });
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
  });
  server_->listen(socketPath_);
}

bool SingleInstance::AskFirstToComeForward() {
  // The first start may still be setting up its socket: try for a while.
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < kWaitForFirstMs) {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (socket.waitForConnected(200)) {
      socket.write(kActivate);
      socket.waitForBytesWritten(500);
      socket.disconnectFromServer();
      return true;
    }
    QThread::msleep(50);
  }
  return false;
}

}  // namespace selenar
