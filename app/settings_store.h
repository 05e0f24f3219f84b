#pragma once

#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

namespace selenar {

// The per-user store of text values: the main section's keys at the top
// level, the day notes in the group "Descriptions".
class SettingsStore {
 public:
  // The user's store: organisation "Vardo_Programming", application "Selenar".
  SettingsStore();
  // A store in the given file, for tests.
  explicit SettingsStore(const QString& fileName);

  static constexpr const char* kMainSection = "";
  static constexpr const char* kNotesSection = "Descriptions";

  // The stored text, or the default when the key is absent.
  QString ReadSetting(const QString& section, const QString& key, const QString& fallback) const;
  void WriteSetting(const QString& section, const QString& key, const QString& text);
  void DeleteSetting(const QString& section, const QString& key);

  // Writes everything to disk; false when the store could not be written.
  bool Sync();

  // Typed reads of the main section; a value that cannot be read as its
  // form counts as absent, so the default applies.
  bool ReadBool(const QString& key, bool fallback) const;
  int ReadInt(const QString& key, int fallback) const;
  double ReadSingle(const QString& key, double fallback) const;

  void WriteBool(const QString& key, bool value);
  void WriteInt(const QString& key, int value);
  void WriteSingle(const QString& key, double value);

 private:
  QString Path(const QString& section, const QString& key) const;
  std::unique_ptr<QSettings> settings_;
};

// Boolean text as the store accepts it: True or False in any letter case,
// or a number, 0 meaning false.
std::optional<bool> ParseBoolText(const QString& text);

}  // namespace selenar
