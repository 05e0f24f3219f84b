#pragma once

#include <QIODevice>
#include <QSettings>

namespace selenar {

// The settings file as plain text: the INI layout Qt writes (groups, key and
// value escapes), with every value kept as a string. Qt's own INI reader
// decodes "@Variant(...)" values, and a crafted one overflows its stack; the
// store only ever holds text, so a value it cannot use as text is left out.
QSettings::Format PlainIniFormat();

bool ReadPlainIni(QIODevice& device, QSettings::SettingsMap& map);
bool WritePlainIni(QIODevice& device, const QSettings::SettingsMap& map);

}  // namespace selenar
