#include "pages/about_page.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "engine/word_tables.h"

namespace selenar {

namespace {

constexpr const char* kPlaceholder = "X.X.XX";

}  // namespace

QString VersionText(int major, int minor, int revision) {
  return QString("%1.%2.%3")
      .arg(major)
      .arg(minor)
      .arg(QString::fromStdString(PadNumber(revision, 2)));
}

QByteArray AboutPageText(QByteArray source, const QString& version) {
  const qsizetype at = source.indexOf(kPlaceholder);
  if (at >= 0) {
    const QByteArray text = version.toLatin1().left(6);
    source.replace(at, text.size(), text);
  }
  return source;
}

bool WritePageFile(const QString& path, const QByteArray& bytes) {
  QFile::remove(path);
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  return file.write(bytes) == bytes.size();
}

}  // namespace selenar
