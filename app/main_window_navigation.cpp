// The top bar of the main window: the four pickers, the day arrows,
// "Сейчас", and the jumps of the phase links.
#include <QKeyEvent>
#include <QLabel>

#include "app/main_window.h"
#include "engine/calendar_range.h"
#include "engine/date_text.h"
#include "engine/time_zone.h"
#include "ui/art/artwork.h"
#include "ui/twips.h"

namespace selenar {

namespace {

SerialDate LocalNow() { return UniversalToLocal(UniversalNow()); }

LinkLabel* PictureButton(QWidget* parent, const QString& name, QRect geometry,
                         const QPixmap& pixmap, const QString& tip) {
  auto* button = new LinkLabel(parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setPixmap(pixmap);
  button->setAlignment(Qt::AlignCenter);
  button->setToolTip(tip);
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

}  // namespace

void MainWindow::BuildTopBar() {
  QWidget* bar = centralWidget();
  dayPicker_ = new MomentPicker(bar, "DTPicker1", "dd");
  dayPicker_->setGeometry(TwipsRect(630, 105, 660, 345));
  monthPicker_ = new MonthPicker(bar, "DTPicker2");
  monthPicker_->setGeometry(TwipsRect(1380, 105, 1530, 345));
  yearPicker_ = new MomentPicker(bar, "DTPicker3", "yyyy");
  yearPicker_->setGeometry(TwipsRect(3000, 105, 960, 345));
  timePicker_ = new MomentPicker(bar, "DTPicker4", "HH : mm");
  timePicker_->setGeometry(TwipsRect(4140, 105, 1170, 345));
  for (QWidget* picker : {static_cast<QWidget*>(dayPicker_), static_cast<QWidget*>(monthPicker_),
                          static_cast<QWidget*>(yearPicker_)}) {
    picker->installEventFilter(this);
  }
  connect(dayPicker_, &MomentPicker::momentChanged, this, &MainWindow::DayChanged);
  connect(monthPicker_, &MonthPicker::momentChanged, this, &MainWindow::MonthChanged);
  connect(yearPicker_, &MomentPicker::momentChanged, this, &MainWindow::YearChanged);
  connect(timePicker_, &MomentPicker::momentChanged, this, &MainWindow::TimeChanged);

  auto* previous = PictureButton(bar, "Image20", TwipsRect(165, 90, 360, 360),
                                 art::DayArrow(false, Px(360)), "Предыдущий день");
  auto* next = PictureButton(bar, "Image21", TwipsRect(5445, 90, 360, 360),
                             art::DayArrow(true, Px(360)), "Следующий день");
  connect(previous, &LinkLabel::pressed, this, &MainWindow::PreviousDay);
  connect(next, &LinkLabel::pressed, this, &MainWindow::NextDay);

  for (const int x : {4035, 5955}) {
    auto* line = new QFrame(bar);
    line->setGeometry(TwipsRect(x, 120, 15, 315));
    line->setStyleSheet("background: #808080;");
  }

  nowLink_ = TopBarLink(bar, "Label17",
                        {TwipsRect(6105, 150, 885, 270), TwipsRect(6120, 165, 240, 240),
                         TwipsRect(6375, 180, 0, 0).topLeft()},
                        art::NowIcon(Px(240)), "Сейчас", "Image7", "Label16");
  connect(nowLink_, &LinkLabel::pressed, this, &MainWindow::Now);
}

void MainWindow::DayChanged() { calculate(); }

void MainWindow::MonthChanged() {
  const CalendarFields day = dayPicker_->Moment().Fields();
  dayPicker_->SetMoment(
      WithYearMonth(dayPicker_->Moment(), day.year, monthPicker_->Moment().Fields().month));
  calculate();
}

void MainWindow::YearChanged() {
  const CalendarFields day = dayPicker_->Moment().Fields();
  dayPicker_->SetMoment(
      WithYearMonth(dayPicker_->Moment(), yearPicker_->Moment().Fields().year, day.month));
  calculate();
}

void MainWindow::TimeChanged() {
  const CalendarFields day = dayPicker_->Moment().Fields();
  const CalendarFields time = timePicker_->Moment().Fields();
  dayPicker_->SetMoment(
      SerialDate::FromFields(day.year, day.month, day.day, time.hour, time.minute, day.second));
  calculate();
}

void MainWindow::MoveDays(int days) {
  const SerialDate target = dayPicker_->Moment().AddDays(days);
  if (!IsSelectableMoment(target)) return;  // the pickers cannot hold it
  dayPicker_->SetMoment(target);
  monthPicker_->SetMoment(target);
  yearPicker_->SetMoment(target);
  DayChanged();
}

void MainWindow::PreviousDay() { MoveDays(-1); }

void MainWindow::NextDay() { MoveDays(1); }

void MainWindow::Now() {
  SetTime(LocalNow());
  LastDate = SerialDate::FromFields(1800, 1, 1);
  calculate();
}

void MainWindow::SetTime(SerialDate moment) {
  readyMarker.clear();
  dayPicker_->SetMoment(moment);
  monthPicker_->SetMoment(moment);
  yearPicker_->SetMoment(moment);
  timePicker_->SetMoment(moment);
  readyMarker = "ok";
}

void MainWindow::GotoDate(const QString& text) {
  const auto moment = ParseGeneralDateText(DtCor(text.toStdString()));
  if (!moment || !IsSelectableMoment(*moment)) return;
  dayPicker_->SetMoment(*moment);
  monthPicker_->SetMoment(*moment);
  yearPicker_->SetMoment(*moment);
  timePicker_->SetMoment(*moment);
  DayChanged();
}

void MainWindow::RefreshNowTooltip() {
  nowLink_->setToolTip(QString::fromStdString(GeneralDateText(LocalNow())));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  QWidget* target = nullptr;
  if (watched == dayPicker_ && key == Qt::Key_Right) target = monthPicker_;
  if (watched == monthPicker_ && key == Qt::Key_Right) target = yearPicker_;
  if (watched == monthPicker_ && key == Qt::Key_Left) target = dayPicker_;
  if (watched == yearPicker_ && key == Qt::Key_Left) target = monthPicker_;
  if (target == nullptr) return QMainWindow::eventFilter(watched, event);
  target->setFocus();
  return true;
}

}  // namespace selenar
