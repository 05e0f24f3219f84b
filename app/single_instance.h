#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

namespace selenar {

// One running program per user. A lock file decides which start is the
// first; the first listens on a local socket, and every later start sends it
// "activate" there and ends.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // The lock and the socket live in the given folder (the user's runtime
  // folder when empty).
  explicit SingleInstance(const QString& folder = {});
  ~SingleInstance() override;

  // True for the first start, which then listens for later ones; a later
  // start asks the first to come forward and gets false.
  bool Claim();

 signals:
  void activationRequested();

 private:
  QString lockPath_;
  QString serverName_;
  std::unique_ptr<QLockFile> lock_;
  std::unique_ptr<QLocalServer> server_;
};

}  // namespace selenar
