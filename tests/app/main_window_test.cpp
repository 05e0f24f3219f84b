// The main window under the offscreen platform: the daily panel and the
// navigation of the top bar, in Moscow time.
#include "app/main_window.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <set>

#include "engine/date_text.h"
#include "engine/ecliptic_marker.h"
#include "engine/zodiac.h"
#include "ui/twips.h"

using namespace selenar;

Q_DECLARE_METATYPE(selenar::SerialDate)

namespace {

SerialDate At(int y, int mo, int d, int h = 12, int mi = 0, int s = 0) {
  return SerialDate::FromFields(y, mo, d, h, mi, s);
}

QString Text(QWidget* root, const char* name) {
  auto* label = root->findChild<QLabel*>(name);
  return label ? label->text() : QString("<no %1>").arg(name);
}

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> folder;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<QSignalSpy> computed;

  // Selects a moment as the navigation does, then computes it.
  void Select(SerialDate moment) {
    window->SetTime(moment);
    window->DayChanged();
  }

 private slots:
  void init() {
    folder = std::make_unique<QTemporaryDir>();
    store = std::make_unique<SettingsStore>(folder->filePath("settings.ini"));
    window = std::make_unique<MainWindow>(*store, SELENAR_DATA_DIR,
                                          folder->filePath("Current_page.html"));
    computed = std::make_unique<QSignalSpy>(window.get(), &MainWindow::dayCalculated);
    window->show();
  }

  void calculateComputesOncePerMoment() {
    Select(At(2006, 3, 15));
    QCOMPARE(computed->count(), 1);
    window->calculate();
    window->DayChanged();
    QCOMPARE(computed->count(), 1);
  }

  void guardsKeepComputationsOut() {
    window->SetTime(At(2006, 3, 15));
    window->readyMarker.clear();
    window->calculate();
    QCOMPARE(computed->count(), 0);
    window->readyMarker = "ok";
    window->Busy = true;
    window->calculate();
    QCOMPARE(computed->count(), 0);
    window->Busy = false;
    window->calculate();
    QCOMPARE(computed->count(), 1);
  }

  void panelShowsTheEngineValues_data() {
    QTest::addColumn<SerialDate>("moment");
    QTest::newRow("new moon evening") << At(2000, 1, 6, 21, 14);
    QTest::newRow("full moon day") << At(2000, 1, 21, 9, 30);
    QTest::newRow("waning, descending") << At(2006, 3, 15);
    QTest::newRow("summer time") << At(2010, 7, 1, 8, 45);
  }
  void panelShowsTheEngineValues() {
    QFETCH(SerialDate, moment);
    Select(moment);
    const DayValues v = ComputeDayValues(moment);
    QCOMPARE(Text(window.get(), "Label5"), QString::number(int(v.lunarDay)));
    QCOMPARE(Text(window.get(), "Label6"), Text(window.get(), "Label5"));
    QCOMPARE(Text(window.get(), "Label73"), FromUtf8(v.visibilityText));
    QCOMPARE(Text(window.get(), "Label3"), FromUtf8(v.signPosition));
    QCOMPARE(Text(window.get(), "Label10"), FromUtf8(v.signPosition));
    QCOMPARE(Text(window.get(), "Label14"), FromUtf8(v.phaseText).replace("\r\n", "\n"));
    QCOMPARE(Text(window.get(), "Label22"), FromUtf8(v.elementText));
    QCOMPARE(Text(window.get(), "Label1"), FromUtf8(GeneralDateText(v.previousNewMoon)));
    QCOMPARE(Text(window.get(), "Label2"), FromUtf8(GeneralDateText(v.nextNewMoon)));
    QCOMPARE(Text(window.get(), "Label12"), FromUtf8(GeneralDateText(v.previousFullMoon)));
    QCOMPARE(Text(window.get(), "Label11"), FromUtf8(GeneralDateText(v.nextFullMoon)));
    QCOMPARE(window->findChild<QLabel*>("Label4")->toolTip(), FromUtf8(v.signPosition));
    QCOMPARE(window->Panel()->Phase()->ShadowLineCount(), 181);
    const auto values = computed->last().at(0).value<DayValues>();
    QCOMPARE(values.tooltip, v.tooltip);
  }

  // The longest texts: a full moon with 100 %, the longest sign name, late hours.
  void textsFitTheirLabels_data() {
    QTest::addColumn<SerialDate>("moment");
    QTest::newRow("full moon") << At(2000, 1, 21, 9, 30);
    QTest::newRow("Scorpio") << At(2006, 1, 23, 23, 59);
    QTest::newRow("new moon") << At(2000, 1, 6, 21, 14);
  }
  void textsFitTheirLabels() {
    QFETCH(SerialDate, moment);
    Select(moment);
    for (const char* name : {"Label9", "Label6", "Label73", "Label13", "Label1", "Label2",
                             "Label12", "Label11", "Label10", "Label23", "Label4"}) {
      auto* label = window->findChild<QLabel*>(name);
      QVERIFY2(label != nullptr, name);
      for (const QString& line : label->text().split('\n')) {
        QVERIFY2(label->fontMetrics().horizontalAdvance(line) <= label->width(),
                 qPrintable(QString("%1: '%2'").arg(name, line)));
      }
      const int lines = label->text().count('\n') + 1;
      QVERIFY2(label->fontMetrics().lineSpacing() * lines <= label->height() + 2, name);
    }
  }

  void arrowsAndCourseKeyFollowTheSign() {
    // One moment in each sign, found by stepping through January 2006.
    std::set<int> seen;
    for (SerialDate t = At(2006, 1, 1); seen.size() < 12; t = t.AddMinutes(6 * 60)) {
      const int sign = MoonSign(LocalToUniversal(t));
      if (!seen.insert(sign).second) continue;
      Select(t);
      const bool ascending = sign <= 3 || sign >= 10;
      QCOMPARE(window->findChild<QLabel*>("Image4")->isVisible(), ascending);
      QCOMPARE(window->findChild<QLabel*>("Image3")->isVisible(), !ascending);
      const auto values = computed->last().at(0).value<DayValues>();
      QCOMPARE(values.keys.Vn, ascending ? 1 : 2);
      QVERIFY(values.tooltip.ends_with(ascending ? "Восходящая" : "Нисходящая"));
    }
  }

  void eclipticMarkerAndSignPictureCache() {
    Select(At(2006, 3, 15));
    DailyPanel* panel = window->Panel();
    QCOMPARE(panel->SignPictureCache(), QString("6"));
    const int paints = panel->SignPicturePaints();
    Select(At(2006, 3, 15, 13));  // same sign: no repaint
    QCOMPARE(panel->SignPicturePaints(), paints);

    window->mnuEcliptic_Click();  // on: the wheel and the marker
    QVERIFY(window->EclipticAction()->isChecked());
    QCOMPARE(panel->SignPictureCache(), QString("-1"));
    auto* marker = window->findChild<QLabel*>("Image111");
    QVERIFY(marker->isVisible());
    const auto values = computed->last().at(0).value<DayValues>();
    const TwipPoint expected = EclipticMarkerTopLeft(values.longitude, 240, 240);
    QCOMPARE(marker->pos(), QPoint(Px(expected.x), Px(expected.y)));

    const int wheelPaints = panel->SignPicturePaints();
    window->mnuEcliptic_Click();  // off again: the sign picture comes back, same sign
    QVERIFY(!marker->isVisible());
    QCOMPARE(panel->SignPicturePaints(), wheelPaints + 1);
    QCOMPARE(panel->SignPictureCache(), QString("6"));
  }

  void monthChangeLowersAMissingDay() {
    Select(At(2006, 3, 31, 14, 35, 20));
    window->MonthPickerWidget()->stepBy(1);
    QCOMPARE(window->SelectedMoment(), At(2006, 4, 30, 14, 35, 20));
    QCOMPARE(window->MonthPickerWidget()->text(), QString("Апрель"));
    QCOMPARE(window->LastDate, window->SelectedMoment());
    QTest::keyClick(window->MonthPickerWidget(), Qt::Key_Down);  // the keys step it too
    QCOMPARE(window->SelectedMoment(), At(2006, 3, 30, 14, 35, 20));
    QCOMPARE(window->MonthPickerWidget()->text(), QString("Март"));
  }

  void yearChangeLowersTheLeapDay() {
    Select(At(2004, 2, 29));
    window->YearPicker()->stepBy(1);
    QCOMPARE(window->SelectedMoment(), At(2005, 2, 28));
  }

  void timeChangeKeepsTheSeconds() {
    Select(At(2006, 3, 15, 14, 35, 20));
    window->TimePicker()->SetMoment(At(2006, 3, 15, 9, 5));
    QCOMPARE(window->SelectedMoment(), At(2006, 3, 15, 9, 5, 20));
  }

  void dayArrowsCrossTheYear() {
    Select(At(2006, 12, 31, 23, 10, 5));
    window->NextDay();
    QCOMPARE(window->SelectedMoment(), At(2007, 1, 1, 23, 10, 5));
    QCOMPARE(window->MonthPickerWidget()->text(), QString("Январь"));
    QCOMPARE(window->YearPicker()->text(), QString("2007"));
    QCOMPARE(window->LastDate, window->SelectedMoment());
    window->PreviousDay();
    QCOMPARE(window->SelectedMoment(), At(2006, 12, 31, 23, 10, 5));
  }

  void linkJumpCarriesTheSeconds() {
    Select(At(2000, 1, 10));
    auto* link = window->findChild<LinkLabel*>("Label11");  // next full moon
    const QString text = link->text();
    QCOMPARE(text, QString("21.01.2000 7:41:27"));
    QTest::mouseClick(link, Qt::LeftButton);
    const SerialDate target = At(2000, 1, 21, 7, 41, 27);
    QCOMPARE(window->SelectedMoment(), target);
    QCOMPARE(window->MonthPickerWidget()->Moment(), target);
    QCOMPARE(window->YearPicker()->Moment(), target);
    QCOMPARE(window->TimePicker()->Moment(), target);
    QCOMPARE(window->TimePicker()->text(), QString("07 : 41"));
    QCOMPARE(window->LastDate, target);
  }

  void nowRecomputesEvenInTheSameSecond() {
    window->Now();
    window->Now();
    QCOMPARE(computed->count(), 2);
    QVERIFY(!window->NowLink()->toolTip().isEmpty());
  }

  void arrowKeysMoveBetweenThePickers() {
    Select(At(2006, 3, 15));
    window->activateWindow();
    QWidget* day = window->findChild<QWidget*>("DTPicker1");
    QWidget* month = window->findChild<QWidget*>("DTPicker2");
    QWidget* year = window->findChild<QWidget*>("DTPicker3");
    day->setFocus();
    QTest::keyClick(day, Qt::Key_Right);
    QTRY_VERIFY(month->hasFocus());
    QTest::keyClick(month, Qt::Key_Right);
    QTRY_VERIFY(year->hasFocus());
    QTest::keyClick(year, Qt::Key_Left);
    QTRY_VERIFY(month->hasFocus());
    QTest::keyClick(month, Qt::Key_Left);
    QTRY_VERIFY(day->hasFocus());
    QCOMPARE(window->SelectedMoment(), At(2006, 3, 15));  // moving the focus changes nothing
  }

  void nowTooltipFollowsTheClockWhileThePanelStays() {
    Select(At(2006, 3, 15));
    const QString first = window->NowLink()->toolTip();
    QTRY_VERIFY_WITH_TIMEOUT(window->NowLink()->toolTip() != first, 2500);
    QCOMPARE(computed->count(), 1);
  }

  void movesOutsideTheRangeKeepTheMoment_data() {
    QTest::addColumn<SerialDate>("start");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("link");
    QTest::newRow("before 1900") << At(1900, 1, 1, 5) << -1 << "31.12.1899 12:00:00";
    QTest::newRow("after 2100") << At(2100, 12, 31, 5) << 1 << "01.01.2101 3:00:00";
  }
  void movesOutsideTheRangeKeepTheMoment() {
    QFETCH(SerialDate, start);
    QFETCH(int, days);
    QFETCH(QString, link);
    Select(start);
    days < 0 ? window->PreviousDay() : window->NextDay();
    QCOMPARE(window->SelectedMoment(), start);
    window->GotoDate(link);
    QCOMPARE(window->SelectedMoment(), start);
    window->GotoDate("garbage");
    QCOMPARE(window->SelectedMoment(), start);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
