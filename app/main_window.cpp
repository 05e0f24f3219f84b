#include "main_window.h"

#include <QLabel>
#include <QPainter>

#include "art/artwork.h"
#include "engine/lunar_phases.h"
#include "shadowed_text.h"
#include "twips.h"

namespace selenar {

namespace {

constexpr int kWindowWidth = 11580, kWindowHeight = 7920;


}  // namespace

MainWindow::MainWindow() {
  setObjectName("Form1");
  setWindowTitle(QString("Vardo Selenar - Лунный календарь ") + kVersion);
  setWindowIcon(art::WindowIcon());
  setFixedSize(TwipsRect(0, 0, kWindowWidth, kWindowHeight).size());
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  setCentralWidget(new QWidget(this));
  centralWidget()->setFont(PanelFont(9));

  BuildTopBar();
  BuildPanel();

  pageFrame_ = new QFrame(centralWidget());
  pageFrame_->setObjectName("Shape2");
  pageFrame_->setGeometry(TwipsRect(3000, 945, 8535, 6900));
  pageFrame_->setFrameShape(QFrame::Box);
  pageFrame_->setStyleSheet("#Shape2 { border: 1px solid palette(mid); background: palette(base); }");

  mnuEcliptic_ = new QAction("Показывать Луну на эклиптике", this);
  mnuEcliptic_->setObjectName("mnuEcliptic");
  mnuEcliptic_->setCheckable(true);
  connect(mnuEcliptic_, &QAction::triggered, this, [this] {
    // The action has flipped its check already; the handler flips it itself.
    mnuEcliptic_->setChecked(!mnuEcliptic_->isChecked());
    mnuEcliptic_Click();
  });

  timer1_.setInterval(1000);
  connect(&timer1_, &QTimer::timeout, this, &MainWindow::RefreshNowTooltip);
  timer1_.start();
  RefreshNowTooltip();
}

void MainWindow::BuildPanel() {
  auto* frame = new QFrame(centralWidget());
  frame->setObjectName("Shape1");
  frame->setGeometry(TwipsRect(60, 585, 2880, 7260));
  frame->setStyleSheet("#Shape1 { border: 1px solid #808080; background: palette(base); }");
  panel_ = new DailyPanel(frame);
  panel_->move(TwipsRect(90, 90, 0, 0).topLeft());
  connect(panel_, &DailyPanel::phaseLinkClicked, this, &MainWindow::GotoDate);
}

void MainWindow::calculate() {
  if (Busy || readyMarker != "ok") return;
  CurDate = dayPicker_->Moment();
  if (CurDate == LastDate) return;
  LastDate = CurDate;

  const DayValues values = ComputeDayValues(CurDate);
  CurDateUT = values.momentUT;
  panel_->ShowValues(values, mnuEcliptic_->isChecked());
  emit dayCalculated(values);
}

void MainWindow::mnuEcliptic_Click() {
  mnuEcliptic_->setChecked(!mnuEcliptic_->isChecked());
  panel_->ShowEcliptic(mnuEcliptic_->isChecked());
  LastDate = CurDate.AddDays(-1);
  calculate();
}

}  // namespace selenar
