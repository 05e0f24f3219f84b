// Selenar: the desktop lunar calendar.
#include <QApplication>

#include "main_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  selenar::MainWindow window;
  window.mnuEcliptic_Click();  // the ecliptic option is on by default
  window.show();
  window.Now();
  return application.exec();
}
