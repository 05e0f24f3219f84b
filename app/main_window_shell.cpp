// The main window's life: loading with the stored settings, activation,
// closing and ExitMe, the options menu and the about page.
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <algorithm>

#include "app/main_window.h"
#include "engine/time_zone.h"
#include "pages/about_page.h"
#include "ui/art/artwork.h"
#include "ui/shadowed_text.h"
#include "ui/twips.h"

namespace selenar {

void MainWindow::BuildShellLinks() {
  QWidget* bar = centralWidget();
  auto* settingsLink = TopBarLink(bar, "Label20",
                                  {TwipsRect(7155, 150, 1290, 270), TwipsRect(7155, 165, 240, 240),
                                   TwipsRect(7455, 180, 0, 0).topLeft()},
                                  art::SettingsIcon(Px(240)), "Настройки ▾");
  connect(settingsLink, &LinkLabel::pressed, this, &MainWindow::ShowOptionsMenu);
  auto* aboutLink = TopBarLink(bar, "Label18",
                               {TwipsRect(10200, 150, 1275, 270), TwipsRect(10230, 165, 240, 240),
                                TwipsRect(10470, 180, 0, 0).topLeft()},
                               art::AboutIcon(Px(240)), " О программе");
  connect(aboutLink, &LinkLabel::pressed, this, &MainWindow::ShowAbout);

  for (const char* name : {"Image20", "Image21", "Label17", "Label20", "Label18"}) {
    highlights_->Serve(bar->findChild<QWidget*>(name), 0);
  }
}

void MainWindow::BuildOptionsMenu() {
  mnuOptions_ = new QMenu("Настройки", this);
  mnuOptions_->setObjectName("mnuOptions");
  mnuZam_ = mnuOptions_->addAction("Показывать заметки");
  mnuZam_->setObjectName("mnuZam");
  mnuZam_->setCheckable(true);
  mnuZam_->setChecked(true);
  mnuEcliptic_ = mnuOptions_->addAction("Показывать Луну на эклиптике");
  mnuEcliptic_->setObjectName("mnuEcliptic");
  mnuEcliptic_->setCheckable(true);
  connect(mnuEcliptic_, &QAction::triggered, this, [this] {
    // The action has flipped its check already; the handler flips it itself.
    mnuEcliptic_->setChecked(!mnuEcliptic_->isChecked());
    mnuEcliptic_Click();
  });
}

void MainWindow::ShowOptionsMenu() {
  mnuOptions_->popup(centralWidget()->mapToGlobal(TwipsRect(7110, 465, 0, 0).topLeft()));
}

void MainWindow::Load() {
  settings_ = ReadWindowSettings(store_);
  highlights_->HideCur();

  if (const QScreen* primary = QGuiApplication::primaryScreen()) {
    const QRect screen = primary->geometry();
    const double top = OpeningEdge(settings_.top, screen.height() * kTwipsPerPixel, kWindowHeight);
    const double left = OpeningEdge(settings_.left, screen.width() * kTwipsPerPixel, kWindowWidth);
    move(screen.left() + Px(left), screen.top() + Px(top));
  }

  mnuZam_->setChecked(settings_.zam);
  if (settings_.ecliptic) mnuEcliptic_Click();
  tabs_->lastTab = PageTabs::kDescription;
  First();
}

void MainWindow::First() {
  SetTime(UniversalToLocal(UniversalNow()));
  LastDate = SerialDate::FromFields(1800, 1, 1);
  DayChanged();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
  calculate();
  if (!splashTimerFired_ && !timer2_.isActive()) timer2_.start();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  ExitMe();
  event->accept();
}

void MainWindow::ExitMe() {
  if (exited_) return;
  exited_ = true;
  // Only a window in its normal state has a position worth keeping.
  const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
  settings_.top = double(y()) * kTwipsPerPixel;
  settings_.left = double(x()) * kTwipsPerPixel;
  settings_.zam = mnuZam_->isChecked();
  settings_.ecliptic = mnuEcliptic_->isChecked();
  WriteWindowSettings(store_, settings_, normal, /*trayIconShowing=*/false);
  store_.Sync();  // a store that cannot be written leaves nothing else undone
  QFile::remove(pagePath_);
}

void MainWindow::ShowAbout() {
  QFile source(dataFolder_ + "/aboutpage.html");
  const QByteArray page = AboutPageText(
      source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray(), ProgramVersion());
  WritePageFile(pagePath_, page);
  aboutView_->setHtml(QString::fromUtf8(page));
  tabs_->SwitchPage(PageTabs::kAbout);
  tabs_->currentPage = -1;
  readyMarker.clear();
  readyMarker = "ok";
}

}  // namespace selenar
