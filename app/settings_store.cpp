#include "app/settings_store.h"

#include <cmath>

#include "app/plain_ini_format.h"

namespace selenar {

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(PlainIniFormat(), QSettings::UserScope,
                                           "Vardo_Programming", "Selenar")) {}

SettingsStore::SettingsStore(const QString& fileName)
    : settings_(std::make_unique<QSettings>(fileName, PlainIniFormat())) {}

QString SettingsStore::Path(const QString& section, const QString& key) const {
  return section.isEmpty() ? key : section + "/" + key;
}

QString SettingsStore::ReadSetting(const QString& section, const QString& key,
                                   const QString& fallback) const {
  const QVariant value = settings_->value(Path(section, key));
  return value.isValid() ? value.toString() : fallback;
}

void SettingsStore::WriteSetting(const QString& section, const QString& key, const QString& text) {
  settings_->setValue(Path(section, key), text);
}

void SettingsStore::DeleteSetting(const QString& section, const QString& key) {
  settings_->remove(Path(section, key));
}

bool SettingsStore::Sync() {
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

std::optional<bool> ParseBoolText(const QString& text) {
  const QString word = text.trimmed();
  if (word.compare("true", Qt::CaseInsensitive) == 0) return true;
  if (word.compare("false", Qt::CaseInsensitive) == 0) return false;
  bool isNumber = false;
  const double number = word.toDouble(&isNumber);
  if (isNumber) return number != 0.0;
  return std::nullopt;
}

bool SettingsStore::ReadBool(const QString& key, bool fallback) const {
  return ParseBoolText(ReadSetting(kMainSection, key, fallback ? "True" : "False"))
      .value_or(fallback);
}

int SettingsStore::ReadInt(const QString& key, int fallback) const {
  bool ok = false;
  const int value = ReadSetting(kMainSection, key, QString::number(fallback)).trimmed().toInt(&ok);
  return ok ? value : fallback;
}

double SettingsStore::ReadSingle(const QString& key, double fallback) const {
  bool ok = false;
  QString text = ReadSetting(kMainSection, key, QString::number(fallback)).trimmed();
  // Either decimal separator is read, whatever the locale that wrote it.
  const double value = text.replace(',', '.').toDouble(&ok);
  return ok && std::isfinite(value) ? value : fallback;
}

void SettingsStore::WriteBool(const QString& key, bool value) {
  WriteSetting(kMainSection, key, value ? "True" : "False");
}

void SettingsStore::WriteInt(const QString& key, int value) {
  WriteSetting(kMainSection, key, QString::number(value));
}

void SettingsStore::WriteSingle(const QString& key, double value) {
  WriteSetting(kMainSection, key, QString::number(value, 'g', 9));
}

}  // namespace selenar
