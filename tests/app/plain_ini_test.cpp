// The settings file format: plain text only, and the same files as Qt's INI.
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/plain_ini_format.h"
#include "app/settings_store.h"

using namespace selenar;

class PlainIniTest : public QObject {
  Q_OBJECT

  QTemporaryDir folder;

  // Keys and values that exercise every escape the INI layout has.
  static QList<QPair<QString, QString>> Samples() {
    return {
        {"Top", "1200"},
        {"Zam", "True"},
        {"Descriptions/05.03.2006", "Купить семена\r\nПозвонить маме"},
        {"Descriptions/06.03.2006", "a, b; c = d \"quoted\" back\\slash\ttab"},
        {"Descriptions/07.03.2006", "  blanks around  "},
        {"Descriptions/08.03.2006", "   "},
        {"Descriptions/09.03.2006", "@not a variant"},
        {"Descriptions/10.03.2006", ""},
        {"Descriptions/11.03.2006", QString("control \x01\x1f"
                                            "f end")},
        {"Descriptions/12.03.2006", "#not a comment ё"},
        {"Descriptions/odd key/Ключ", "nested"},
        {"General/x", "a group named General"},
        {"a=b", "key with an equals sign"},
    };
  }

 private slots:
  void init() {
    QFile::remove(folder.filePath("qt.ini"));
    QFile::remove(folder.filePath("plain.ini"));
  }

  void readsWhatQtsIniWrote() {
    {
      QSettings qt(folder.filePath("qt.ini"), QSettings::IniFormat);
      for (const auto& [key, value] : Samples()) qt.setValue(key, value);
    }
    QSettings plain(folder.filePath("qt.ini"), PlainIniFormat());
    for (const auto& [key, value] : Samples()) QCOMPARE(plain.value(key).toString(), value);
    QCOMPARE(plain.allKeys().size(), Samples().size());
  }

  void writesWhatQtsIniReads() {
    {
      QSettings plain(folder.filePath("plain.ini"), PlainIniFormat());
      for (const auto& [key, value] : Samples()) plain.setValue(key, value);
    }
    QSettings qt(folder.filePath("plain.ini"), QSettings::IniFormat);
    for (const auto& [key, value] : Samples()) QCOMPARE(qt.value(key).toString(), value);
  }

  void writesTheSameBytesAsQt() {
    {
      QSettings qt(folder.filePath("qt.ini"), QSettings::IniFormat);
      QSettings plain(folder.filePath("plain.ini"), PlainIniFormat());
      for (const auto& [key, value] : Samples()) {
        qt.setValue(key, value);
        plain.setValue(key, value);
      }
    }
    QFile qt(folder.filePath("qt.ini")), plain(folder.filePath("plain.ini"));
    QVERIFY(qt.open(QIODevice::ReadOnly) && plain.open(QIODevice::ReadOnly));
    QCOMPARE(plain.readAll(), qt.readAll());
  }

  // A deeply nested variant made Qt's reader overflow its stack at every start.
  void encodedVariantsCountAsAbsent() {
    QFile file(folder.filePath("plain.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\nDeep=@Variant(" +
               QByteArray("\\0\\0\\0\\t\\0\\0\\0\\x1").repeated(60000) +
               "\\0\\0\\0\\t\\0\\0\\0\\0)\nTop=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"
               "Left=@ByteArray(900)\nZam=False\n");
    file.close();
    SettingsStore store(folder.filePath("plain.ini"));
    QCOMPARE(store.ReadSetting(SettingsStore::kMainSection, "Deep", "absent"), QString("absent"));
    QCOMPARE(store.ReadInt("Top", 7), 7);
    QCOMPARE(store.ReadInt("Left", 8), 8);
    QCOMPARE(store.ReadBool("Zam", true), false);
  }

  void handEditedLinesAreReadAsText() {
    QFile file(folder.filePath("plain.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "; a comment\r\n[General]\r\nTop = 1500 ; old place\r\nLeft\r\n=orphan\r\n"
        "[Descriptions]\r\n05.03.2006=one, two\r\n");
    file.close();
    SettingsStore store(folder.filePath("plain.ini"));
    QCOMPARE(store.ReadInt("Top", 0), 1500);
    QCOMPARE(store.ReadSetting(SettingsStore::kNotesSection, "05.03.2006", ""),
             QString("one, two"));
  }
};

QTEST_GUILESS_MAIN(PlainIniTest)
#include "plain_ini_test.moc"
