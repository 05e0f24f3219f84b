#pragma once

#include <QAction>
#include <QFrame>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QTextBrowser>
#include <QTimer>

#include "app/page_tabs.h"
#include "app/settings_store.h"
#include "app/window_settings.h"
#include "engine/day_values.h"
#include "panel/daily_panel.h"
#include "panel/moment_pickers.h"
#include "ui/highlight_frames.h"
#include "ui/link_label.h"

namespace selenar {

// The main window's fixed size in twips.
inline constexpr int kWindowWidth = 11580, kWindowHeight = 7920;

// The program's version, 1.3.46.
QString ProgramVersion();

// The main window (Form1): the top bar that selects the moment, the daily
// panel, and the three pages with their tabs on the right. It owns the
// selected moment and the guards that keep computations out while the
// pickers disagree.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The settings come from the store; aboutpage.html from the data folder;
  // the page file is written to pagePath.
  MainWindow(SettingsStore& store, const QString& dataFolder, const QString& pagePath);

  // The load handler: reads the settings, places the window, applies the
  // options and makes the first computation for the present moment.
  void Load();
  // Stores the settings and deletes the page file; the window then closes.
  void ExitMe();
  // Shows the about page with the version put in.
  void ShowAbout();
  // Pops up the options menu under the "Настройки" link.
  void ShowOptionsMenu();
  // The splash closes half a second after the window first becomes active.
  void SetSplash(QWidget* splash) { splash_ = splash; }

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
  QAction* NotesAction() const { return mnuZam_; }
  QMenu* OptionsMenu() const { return mnuOptions_; }
  PageTabs* Tabs() const { return tabs_; }
  HighlightFrames* Highlights() const { return highlights_; }
  QTextBrowser* AboutView() const { return aboutView_; }
  const QString& PagePath() const { return pagePath_; }
  DailyPanel* Panel() const { return panel_; }
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
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildTopBar();
  void BuildShellLinks();
  void BuildPanel();
  void BuildPages();
  void BuildOptionsMenu();
  void First();
  void MoveDays(int days);
  void RefreshNowTooltip();

  MomentPicker* dayPicker_;
  MonthPicker* monthPicker_;
  MomentPicker* yearPicker_;
  MomentPicker* timePicker_;
  LinkLabel* nowLink_;
  DailyPanel* panel_;
  QFrame* pageFrame_;
  PageTabs* tabs_;
  HighlightFrames* highlights_;
  QTextBrowser* aboutView_;
  QMenu* mnuOptions_;
  QAction* mnuZam_;
  QAction* mnuEcliptic_;
  QTimer timer1_;
  QTimer timer2_;  // closes the splash
  bool splashTimerFired_ = false;
  QPointer<QWidget> splash_;

  SettingsStore& store_;
  WindowSettings settings_;
  QString dataFolder_;
  QString pagePath_;
  bool exited_ = false;
};

}  // namespace selenar

Q_DECLARE_METATYPE(selenar::DayValues)
