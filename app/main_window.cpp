#include "app/main_window.h"

#include <QLabel>
#include <QPushButton>

#include "pages/about_page.h"
#include "ui/art/artwork.h"
#include "ui/colour_steps.h"
#include "ui/shadowed_text.h"
#include "ui/twips.h"

namespace selenar {

namespace {

// Until colour schemes arrive, everything derives from the system button face.
PageColours SystemPageColours(const QPalette& palette) {
  const QColor base = palette.color(QPalette::Button);
  return {LightColor(base, 4, 255), LightColor(base, 1, 255), LightColor(base, 1, 0)};
}

// A bordered rectangle in the page colour: the left panel's and the pages' frames.
QFrame* PageColouredFrame(QWidget* parent, const QString& name, QRect geometry,
                          const PageColours& colours) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(name);
  frame->setGeometry(geometry);
  frame->setStyleSheet(QString("#%1 { border: 1px solid %2; background: %3; }")
                           .arg(name, colours.border.name(), colours.page.name()));
  return frame;
}

}  // namespace

QString ProgramVersion() { return VersionText(1, 3, 46); }

MainWindow::MainWindow(SettingsStore& store, const QString& dataFolder, const QString& pagePath)
    : store_(store), dataFolder_(dataFolder), pagePath_(pagePath) {
  setObjectName("Form1");
  setWindowTitle("Vardo Selenar - Лунный календарь " + ProgramVersion());
  setWindowIcon(art::WindowIcon());
  setFixedSize(TwipsRect(0, 0, kWindowWidth, kWindowHeight).size());
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  setCentralWidget(new QWidget(this));
  centralWidget()->setFont(PanelFont(9));

  const QPalette& palette = centralWidget()->palette();
  highlights_ =
      new HighlightFrames(centralWidget(), LightColor(palette.color(QPalette::Highlight), 4, 255),
                          palette.color(QPalette::Highlight));
  BuildTopBar();
  BuildShellLinks();
  BuildPanel();
  BuildPages();
  BuildOptionsMenu();

  timer1_.setInterval(1000);
  connect(&timer1_, &QTimer::timeout, this, &MainWindow::RefreshNowTooltip);
  timer1_.start();
  RefreshNowTooltip();

  timer2_.setInterval(500);
  timer2_.setSingleShot(true);
  connect(&timer2_, &QTimer::timeout, this, [this] {
    splashTimerFired_ = true;
    if (splash_) splash_->close();
  });
}

void MainWindow::BuildPanel() {
  auto* frame = PageColouredFrame(centralWidget(), "Shape1", TwipsRect(60, 585, 2880, 7260),
                                  SystemPageColours(centralWidget()->palette()));
  panel_ = new DailyPanel(frame);
  panel_->move(TwipsRect(90, 90, 0, 0).topLeft());
  connect(panel_, &DailyPanel::phaseLinkClicked, this, &MainWindow::GotoDate);
}

void MainWindow::BuildPages() {
  const PageColours colours = SystemPageColours(centralWidget()->palette());
  pageFrame_ =
      PageColouredFrame(centralWidget(), "Shape2", TwipsRect(3000, 945, 8535, 6900), colours);
  tabs_ = new PageTabs(centralWidget(), pageFrame_, colours);

  QWidget* about = tabs_->Page(PageTabs::kAbout);
  aboutView_ = new QTextBrowser(about);
  aboutView_->setObjectName("WebBrowser2");
  // The view ends above the "Ok" button rather than running under it.
  aboutView_->setGeometry(TwipsRect(60, 90, 8355, 6165));
  aboutView_->setOpenLinks(false);  // the view shows local pages only
  auto* ok = new QPushButton("Ok", about);
  ok->setObjectName("Command2");
  ok->setGeometry(TwipsRect(3285, 6345, 1590, 330));
  connect(ok, &QPushButton::clicked, this, [this] { tabs_->SwitchPage(tabs_->lastTab); });

  highlights_->HideOver(centralWidget());
  for (int i = 0; i < 3; ++i) highlights_->HideOver(tabs_->Page(i));
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
