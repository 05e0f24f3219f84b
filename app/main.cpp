// Selenar: the desktop lunar calendar.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>

#include "app/main_window.h"
#include "app/settings_store.h"
#include "app/single_instance.h"
#include "app/splash.h"
#include "app/termination.h"

namespace {

// Shipped files: next to the program in a build tree, else <prefix>/share/selenar.
QString ProgramDataFolder() {
  const QDir programFolder(QCoreApplication::applicationDirPath());
  if (programFolder.exists("data")) return programFolder.filePath("data");
  return QDir::cleanPath(programFolder.filePath("../share/selenar"));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QCoreApplication::setOrganizationName("Vardo_Programming");
  QCoreApplication::setApplicationName("Selenar");

  // A second start brings the first one forward and ends without a window.
  selenar::SingleInstance instance;
  switch (instance.ClaimInstance()) {
    case selenar::SingleInstance::Claim::First:
      break;
    case selenar::SingleInstance::Claim::Forwarded:
      return 0;
    case selenar::SingleInstance::Claim::Failed:
      std::fprintf(stderr, "selenar: %s\n", qPrintable(instance.ErrorText()));
      QMessageBox::critical(nullptr, "Selenar", instance.ErrorText());
      return 1;
  }

  selenar::SettingsStore store;
  std::unique_ptr<selenar::Splash> splash;
  if (!store.ReadBool("ToTray", false)) {
    splash = std::make_unique<selenar::Splash>();
    splash->show();
    splash->raise();
  }

  // Written files go to a per-user folder: an installed program folder is read-only.
  const QString pagePath =
      QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/Current_page.html";
  selenar::MainWindow window(store, ProgramDataFolder(), pagePath);
  window.SetSplash(splash.get());
  QObject::connect(&instance, &selenar::SingleInstance::activationRequested, &window, [&window] {
    window.showNormal();
    window.raise();
    window.activateWindow();
  });
  // However the event loop ends, the settings are stored once.
  selenar::QuitOnTerminationRequest(application);
  QObject::connect(&application, &QCoreApplication::aboutToQuit, &window,
                   &selenar::MainWindow::ExitMe);
  window.Load();
  window.show();
  return application.exec();
}
