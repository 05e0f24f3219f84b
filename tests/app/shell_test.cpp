// Settings, start-up, single instance and shutdown, under the offscreen
// platform.
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/main_window.h"
#include "app/single_instance.h"
#include "app/window_settings.h"

using namespace selenar;

class ShellTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder;
  QString StoreFile() const { return folder.filePath("settings.ini"); }

  void WriteRaw(const QString& key, const QString& text) {
    SettingsStore store(StoreFile());
    store.WriteSetting(SettingsStore::kMainSection, key, text);
    store.Sync();
  }

  std::unique_ptr<MainWindow> MakeWindow(SettingsStore& store) {
    return std::make_unique<MainWindow>(store, SELENAR_DATA_DIR,
                                        folder.filePath("Current_page.html"));
  }

 private slots:
  void init() { QFile::remove(StoreFile()); }

  void emptyStoreGivesTheDefaults() {
    SettingsStore store(StoreFile());
    const WindowSettings s = ReadWindowSettings(store);
    QVERIFY(!s.top && !s.left);
    QVERIFY(s.zam);
    QVERIFY(s.ecliptic);
    QVERIFY(!s.customColor);
    QCOMPARE(s.color, 0);
    QCOMPARE(s.colorValue, kButtonFaceColour);
    QCOMPARE(s.fontSize, 1);
    QVERIFY(!s.toTray);
    QCOMPARE(s.category, 0);

    auto window = MakeWindow(store);
    window->Load();
    QVERIFY(window->NotesAction()->isChecked());
    QVERIFY(window->EclipticAction()->isChecked());
    QCOMPARE(window->Tabs()->currentPage, 0);
    QCOMPARE(window->readyMarker, QString("ok"));
  }

  void everyKeyRoundTrips() {
    WindowSettings written;
    written.top = 1500;
    written.left = 2250;
    written.zam = false;
    written.ecliptic = false;
    written.customColor = false;
    written.colorValue = 0x00C0FFC0;
    written.color = 7;
    written.fontSize = 3;
    written.toTray = true;
    written.category = 2;
    {
      SettingsStore store(StoreFile());
      WriteWindowSettings(store, written, true, false);
      QVERIFY(store.Sync());
    }
    SettingsStore store(StoreFile());
    const WindowSettings read = ReadWindowSettings(store);
    QCOMPARE(read.top, written.top);
    QCOMPARE(read.left, written.left);
    QCOMPARE(read.zam, written.zam);
    QCOMPARE(read.ecliptic, written.ecliptic);
    QCOMPARE(read.colorValue, written.colorValue);
    QCOMPARE(read.color, written.color);
    QCOMPARE(read.fontSize, written.fontSize);
    QCOMPARE(read.toTray, written.toTray);
    QCOMPARE(read.category, written.category);
    QCOMPARE(store.ReadSetting("", "InTray", ""), QString("False"));
    QCOMPARE(store.ReadSetting("", "Zam", ""), QString("False"));
  }

  void customColourLeavesTheSchemeIndex() {
    WriteRaw("Color", "4");
    SettingsStore store(StoreFile());
    WindowSettings s = ReadWindowSettings(store);
    s.customColor = true;
    s.color = 6;
    WriteWindowSettings(store, s, true, false);
    QCOMPARE(store.ReadInt("Color", -1), 4);
    QVERIFY(store.ReadBool("CustomColor", false));
  }

  void garbageInEveryKeyGivesTheDefaults() {
    for (const char* key : {"Top", "Left", "Zam", "Ecliptic", "CustomColor", "ColorValue", "Color",
                            "FontSize", "ToTray", "Category"}) {
      WriteRaw(key, "x7!");
    }
    WriteRaw("Color", "12");     // no such scheme
    WriteRaw("FontSize", "-3");  // no such size
    SettingsStore store(StoreFile());
    const WindowSettings s = ReadWindowSettings(store);
    QVERIFY(!s.top && !s.left);
    QVERIFY(s.zam && s.ecliptic && !s.customColor && !s.toTray);
    QCOMPARE(s.colorValue, kButtonFaceColour);
    QCOMPARE(s.color, 0);
    QCOMPARE(s.fontSize, 1);
    QCOMPARE(s.category, 0);
  }

  void booleanTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");  // -1: not a boolean
    QTest::newRow("True") << "True" << 1;
    QTest::newRow("false, any case") << "fALSE" << 0;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("minus one") << "-1" << 1;
    QTest::newRow("word") << "yes" << -1;
    QTest::newRow("empty") << "" << -1;
  }
  void booleanTexts() {
    QFETCH(QString, text);
    QFETCH(int, value);
    const auto parsed = ParseBoolText(text);
    QCOMPARE(parsed.has_value() ? int(*parsed) : -1, value);
  }

  void openingEdgeCentresBelowOne_data() {
    QTest::addColumn<double>("stored");  // NaN: absent
    QTest::addColumn<double>("expected");
    QTest::newRow("absent") << double(NAN) << 3000.0;
    QTest::newRow("zero") << 0.0 << 3000.0;
    QTest::newRow("negative") << -150.0 << 3000.0;
    QTest::newRow("one") << 1.0 << 1.0;
    QTest::newRow("kept") << 1200.0 << 1200.0;
    QTest::newRow("last place on screen") << 6000.0 << 6000.0;
    QTest::newRow("past the screen") << 6001.0 << 3000.0;
    QTest::newRow("absurd") << 1e300 << 3000.0;
  }
  void openingEdgeCentresBelowOne() {
    QFETCH(double, stored);
    QFETCH(double, expected);
    const std::optional<double> value = std::isnan(stored) ? std::nullopt : std::optional(stored);
    QCOMPARE(OpeningEdge(value, 14000, 8000), expected);
  }

  void exitWhileMinimisedKeepsThePosition() {
    WriteRaw("Top", "1500");
    WriteRaw("Left", "2250");
    SettingsStore store(StoreFile());
    auto window = MakeWindow(store);
    window->Load();
    window->show();
    window->move(10, 10);
    window->setWindowState(Qt::WindowMinimized);
    window->ExitMe();
    SettingsStore reread(StoreFile());
    QCOMPARE(reread.ReadSetting("", "Top", ""), QString("1500"));
    QCOMPARE(reread.ReadSetting("", "Left", ""), QString("2250"));
    QCOMPARE(reread.ReadSetting("", "Ecliptic", ""), QString("True"));
  }

  void exitDeletesThePageFile() {
    SettingsStore store(StoreFile());
    auto window = MakeWindow(store);
    window->Load();
    window->ShowAbout();
    QVERIFY(QFile::exists(window->PagePath()));
    window->ExitMe();
    QVERIFY(!QFile::exists(window->PagePath()));
  }

  void unwritableStoreLeavesTheProgramRunning() {
    QFile blocker(folder.filePath("not-a-folder"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore store(folder.filePath("not-a-folder/settings.ini"));
    auto window = MakeWindow(store);
    window->Load();
    window->ShowAbout();
    window->ExitMe();
    QVERIFY(!store.Sync());
    QVERIFY(!QFile::exists(window->PagePath()));  // the other steps still ran
  }

  void splashClosesAfterTheFirstActivation() {
    SettingsStore store(StoreFile());
    auto window = MakeWindow(store);
    QWidget splash;
    splash.show();
    window->SetSplash(&splash);
    window->Load();
    window->show();
    window->activateWindow();
    QTRY_VERIFY_WITH_TIMEOUT(!splash.isVisible(), 3000);
  }

  // A lock that cannot be made is reported, never a silent end.
  void unusableLockFolderIsReported() {
    QFile blocker(folder.filePath("plain-file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SingleInstance instance(folder.filePath("plain-file/runtime"));
    QCOMPARE(instance.ClaimInstance(), SingleInstance::Claim::Failed);
    QVERIFY(instance.ErrorText().contains(instance.LockPath()));
  }

  // The socket sits beside the lock; one left by a killed run is replaced.
  void socketLivesBesideTheLock() {
    QTemporaryDir runtime;
    QFile stale(runtime.filePath("selenar.socket"));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    SingleInstance first(runtime.path());
    QCOMPARE(first.ClaimInstance(), SingleInstance::Claim::First);
    QCOMPARE(first.SocketPath(), runtime.filePath("selenar.socket"));
    QSignalSpy activated(&first, &SingleInstance::activationRequested);
    SingleInstance second(runtime.path());
    QCOMPARE(second.ClaimInstance(), SingleInstance::Claim::Forwarded);
    QTRY_COMPARE(activated.count(), 1);
  }

  // Several starts at once leave exactly one running; a killed one leaves a
  // stale lock that does not block the next start.
  void oneInstancePerUser() {
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QDir().mkpath(home.filePath("runtime"));
    QFile::setPermissions(home.filePath("runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const auto start = [&environment] {
      auto process = std::make_unique<QProcess>();
      process->setProcessEnvironment(environment);
      process->start(SELENAR_PROGRAM);
      return process;
    };
    const auto finished = [](const std::vector<std::unique_ptr<QProcess>>& processes) {
      return std::count_if(processes.begin(), processes.end(), [](const auto& process) {
        return process->state() == QProcess::NotRunning;
      });
    };
    std::vector<std::unique_ptr<QProcess>> starts;
    for (int i = 0; i < 3; ++i) starts.push_back(start());
    QTRY_COMPARE_WITH_TIMEOUT(finished(starts), 2, 5000);
    for (auto& process : starts) {
      if (process->state() == QProcess::NotRunning) QCOMPARE(process->exitCode(), 0);
    }
    for (auto& process : starts) {
      process->kill();  // no chance to clean up: the lock stays behind
      process->waitForFinished();
    }

    // The next start takes over the stale lock: a later one finds it running.
    std::vector<std::unique_ptr<QProcess>> restart;
    restart.push_back(start());
    QTest::qWait(300);
    restart.push_back(start());
    QVERIFY(restart.back()->waitForFinished(5000));
    QCOMPARE(restart.front()->state(), QProcess::Running);
    restart.front()->kill();
    restart.front()->waitForFinished();
  }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
