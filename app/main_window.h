#pragma once

#include <QAction>
#include <QFrame>
#include <QMainWindow>
#include <QTimer>

#include "daily_panel.h"
#include "engine/day_values.h"
#include "link_label.h"
#include "moment_pickers.h"

namespace selenar {

inline constexpr const char* kVersion = "1.3.46";

// The main window (Form1): the top bar that selects the moment, the daily
// panel, and the page frame on the right. It owns the selected moment and
// the guards that keep computations out while the pickers disagree.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow();

  // Recomputes and repaints the panel for the day picker's moment; does
  // nothing while Busy is set, while the ready marker is not "ok", or when
  // the moment equals LastDate.
  void calculate();

  // Toggles "Показывать Луну на эклиптике".
  void mnuEcliptic_Click();

  // Writes one moment into the four pickers with computations held off.
  void SetTime(SerialDate moment);
  // Moves the whole window to the moment written in the text.
  void GotoDate(const QString& text);

  // The handlers of the top bar.
  void DayChanged();
  void MonthChanged();
  void YearChanged();
  void TimeChanged();
  void PreviousDay();
  void NextDay();
  void Now();

  SerialDate SelectedMoment() const { return dayPicker_->Moment(); }
  QAction* EclipticAction() const { return mnuEcliptic_; }
  DailyPanel* Panel() const { return panel_; }
  MomentPicker* DayPicker() const { return dayPicker_; }
  MonthPicker* MonthPickerWidget() const { return monthPicker_; }
  MomentPicker* YearPicker() const { return yearPicker_; }
  MomentPicker* TimePicker() const { return timePicker_; }
  LinkLabel* NowLink() const { return nowLink_; }

  // State shared with the handlers of later parts of the window.
  QString readyMarker;  // "ok" while the pickers hold one consistent moment
  bool Busy = false;
  SerialDate LastDate;
  SerialDate CurDate;
  SerialDate CurDateUT;

 signals:
  // The values of a newly computed moment, for the day page, the tray
  // tooltip and the reminder balloon (connected in that order).
  void dayCalculated(const selenar::DayValues& values);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildTopBar();
  void BuildPanel();
  void MoveDays(int days);
  void RefreshNowTooltip();

  MomentPicker* dayPicker_;
  MonthPicker* monthPicker_;
  MomentPicker* yearPicker_;
  MomentPicker* timePicker_;
  LinkLabel* nowLink_;
  DailyPanel* panel_;
  QFrame* pageFrame_;
  QAction* mnuEcliptic_;
  QTimer timer1_;
};

}  // namespace selenar

Q_DECLARE_METATYPE(selenar::DayValues)
