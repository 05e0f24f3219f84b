#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace selenar {

namespace {

constexpr const char* kActivate = "activate";
constexpr int kWaitForFirstMs = 3000;

}  // namespace

SingleInstance::SingleInstance(const QString& folder) {
  QString place = folder;
  if (place.isEmpty()) place = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (place.isEmpty()) place = QDir::tempPath();
  QDir().mkpath(place);
  lockPath_ = QDir(place).filePath("selenar.lock");
  // Socket names are short; the folder's hash keeps users and test folders apart.
  serverName_ = "selenar-" +
                QCryptographicHash::hash(place.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Claim() {
  lock_ = std::make_unique<QLockFile>(lockPath_);
  // A lock is stale only when its process is gone, never because of its age:
  // the program runs for days.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) {
    QLocalServer::removeServer(serverName_);  // a socket left by a killed first start
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
    server_->listen(serverName_);
    return true;
  }
  // The first start may still be setting up its socket: try for a while.
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < kWaitForFirstMs) {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (socket.waitForConnected(200)) {
      socket.write(kActivate);
      socket.waitForBytesWritten(500);
      socket.disconnectFromServer();
      return false;
    }
    QThread::msleep(50);
  }
  return false;
}

}  // namespace selenar
