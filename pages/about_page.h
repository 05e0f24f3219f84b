#pragma once

#include <QByteArray>
#include <QString>

namespace selenar {

// "major.minor.revision" with the revision as two digits: 1.3.46, 1.2.05.
QString VersionText(int major, int minor, int revision);

// The about page source with its first "X.X.XX" replaced by the version.
QByteArray AboutPageText(QByteArray source, const QString& version);

// Replaces the page file with the bytes; false when it could not be written.
bool WritePageFile(const QString& path, const QByteArray& bytes);

}  // namespace selenar
