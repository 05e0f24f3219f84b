// The window's pages and tabs and the hover highlight frames.
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/main_window.h"
#include "ui/twips.h"

using namespace selenar;

class PagesAndFramesTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<MainWindow> window;

 private slots:
  void init() {
    store = std::make_unique<SettingsStore>(folder.filePath("settings.ini"));
    window = std::make_unique<MainWindow>(*store, SELENAR_DATA_DIR,
                                          folder.filePath("Current_page.html"));
    window->Load();
    window->show();
  }

  void pageSwitching() {
    PageTabs* tabs = window->Tabs();
    QSignalSpy calendar(tabs, &PageTabs::calendarShown);

    QTest::mousePress(tabs->ClickArea(1), Qt::LeftButton);
    QCOMPARE(tabs->currentPage, 1);
    QVERIFY(tabs->Page(1)->isVisible() && !tabs->Page(0)->isVisible());
    QCOMPARE(tabs->Shape(1)->y(), Px(570));
    QCOMPARE(tabs->Shape(0)->y(), Px(585));
    QCOMPARE(calendar.count(), 1);
    QTest::mousePress(tabs->ClickArea(1), Qt::LeftButton);  // the tab shown: nothing
    QCOMPARE(calendar.count(), 1);

    window->ShowAbout();  // from the calendar page
    QCOMPARE(tabs->currentPage, -1);
    QVERIFY(tabs->Page(2)->isVisible() && !tabs->Page(1)->isVisible());
    QCOMPARE(tabs->Shape(1)->y(), Px(585));
    QVERIFY(window->AboutView()->toPlainText().contains("1.3.46"));
    window->findChild<QPushButton*>("Command2")->click();  // "Ok" back to the calendar
    QCOMPARE(tabs->currentPage, 1);
    QVERIFY(tabs->Page(1)->isVisible());
    QCOMPARE(calendar.count(), 2);

    window->ShowAbout();
    QTest::mousePress(tabs->ClickArea(0), Qt::LeftButton);  // a tab from the about page
    QCOMPARE(tabs->currentPage, 0);
    QCOMPARE(tabs->lastTab, 0);
    QVERIFY(tabs->Page(0)->isVisible() && !tabs->Page(2)->isVisible());
  }

  void highlightFrames() {
    HighlightFrames* frames = window->Highlights();
    QWidget* now = window->findChild<QWidget*>("Label17");
    frames->ShowCur(now, 0);
    QCOMPARE(frames->Frame(0)->geometry(), now->geometry().adjusted(-3, -3, 3, 3));
    QWidget* settingsLink = window->findChild<QWidget*>("Label20");
    frames->ShowCur(settingsLink, 0);  // frame 0 moves from one link to the other
    QCOMPARE(frames->Frame(0)->geometry(), settingsLink->geometry().adjusted(-3, -3, 3, 3));
    frames->HideCur();
    for (int i = 0; i < 4; ++i) QCOMPARE(frames->Frame(i)->pos(), QPoint(Px(-4335), Px(-675)));
  }
};

QTEST_MAIN(PagesAndFramesTest)
#include "pages_and_frames_test.moc"
