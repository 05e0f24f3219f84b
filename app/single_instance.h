#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

namespace selenar {

// One running program per user. A lock file decides which start is the
// first; the first listens on a local socket beside it, and every later
// start sends it "activate" there and ends.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  enum class Claim { First, Forwarded, Failed };

  // The lock and the socket live in the given folder; when empty, in the
  // user's runtime folder, or else in a private folder named by the user id.
  explicit SingleInstance(const QString& folder = {});
  ~SingleInstance() override;

  // First: this start runs and listens for later ones. Forwarded: the first
  // start was asked to come forward. Failed: neither could be done, and
  // ErrorText() says why.
  Claim ClaimInstance();
  QString ErrorText() const { return error_; }

  QString LockPath() const { return lockPath_; }
  QString SocketPath() const { return socketPath_; }

 signals:
  void activationRequested();

 private:
  void Listen();
  bool AskFirstToComeForward();

  QString lockPath_;
  QString socketPath_;
  QString error_;
  std::unique_ptr<QLockFile> lock_;
  std::unique_ptr<QLocalServer> server_;
};

}  // namespace selenar
