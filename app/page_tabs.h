#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QObject>
#include <array>

namespace selenar {

class LinkLabel;

// The colours the pages and tabs are drawn in, derived from the base colour.
struct PageColours {
  QColor page;    // pages, page frame and the tab of the page shown
  QColor tab;     // the other tab
  QColor border;  // frames and tab outlines
};

// A tab's rounded shape (Shape5).
class TabShape : public QWidget {
 public:
  using QWidget::QWidget;
  void SetColours(const QColor& fill, const QColor& border);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_, border_;
};

// The three pages in the page frame (description, calendar, about) and the
// two tabs that switch between the first two.
class PageTabs : public QObject {
  Q_OBJECT

 public:
  static constexpr int kDescription = 0, kCalendar = 1, kAbout = 2;

  PageTabs(QWidget* window, QFrame* pageFrame, const PageColours& colours);

  QWidget* Page(int index) const { return pages_[std::size_t(index)]; }
  TabShape* Shape(int tab) const { return shapes_[std::size_t(tab)]; }
  LinkLabel* ClickArea(int tab) const { return clickAreas_[std::size_t(tab)]; }

  // Shows page p (0, 1 or 2); the tab of the page already shown does nothing.
  void SwitchPage(int p);

  int currentPage = kDescription;  // -1 while the about page is shown
  int lastTab = kDescription;

 signals:
  void switching();      // before anything changes: the balloon closes
  void calendarShown();  // the month grid is redrawn

 private:
  QFrame* pageFrame_;
  PageColours colours_;
  std::array<QWidget*, 3> pages_{};
  std::array<TabShape*, 2> shapes_{};
  std::array<QLabel*, 2> icons_{};
  std::array<QLabel*, 2> captions_{};
  std::array<LinkLabel*, 2> clickAreas_{};
};

}  // namespace selenar
