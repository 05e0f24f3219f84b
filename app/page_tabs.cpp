#include "app/page_tabs.h"

#include <QPainter>

#include "ui/art/artwork.h"
#include "ui/link_label.h"
#include "ui/shadowed_text.h"
#include "ui/twips.h"

namespace selenar {

namespace {

constexpr int kActiveTop = 570, kInactiveTop = 585;

struct TabPlace {
  int shapeX, shapeY, shapeWidth;
  int iconX, iconY;
  int captionX;
  int areaX, areaY, areaWidth;
  const char* caption;
};

constexpr TabPlace kTabs[2] = {
    {3000, 585, 1770, 3210, 675, 3540, 3030, 600, 1680, "Описание"},
    {4755, 600, 1800, 4965, 660, 5310, 4845, 615, 1665, "Календарь"},
};

}  // namespace

void TabShape::SetColours(const QColor& fill, const QColor& border) {
  fill_ = fill;
  border_ = border;
  update();
}

void TabShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(border_);
  painter.setBrush(fill_);
  painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

PageTabs::PageTabs(QWidget* window, QFrame* pageFrame, const PageColours& colours)
    : QObject(window), pageFrame_(pageFrame), colours_(colours) {
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    auto* page = new QWidget(window);
    page->setObjectName(QString("Picture4_%1").arg(i));
    page->setGeometry(TwipsRect(3015, 960, 8505, 6870));
    page->setAutoFillBackground(true);
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, colours.page);
    page->setPalette(palette);
    page->setVisible(i == kDescription);
    pages_[i] = page;
  }
  for (std::size_t i = 0; i < shapes_.size(); ++i) {
    const TabPlace& place = kTabs[i];
    auto* shape = new TabShape(window);
    shape->setObjectName(QString("Shape5_%1").arg(i));
    shape->setGeometry(TwipsRect(place.shapeX, place.shapeY, place.shapeWidth, 510));
    shapes_[i] = shape;
    auto* icon = new QLabel(window);
    icon->setObjectName(QString("Image12_%1").arg(i));
    icon->setGeometry(TwipsRect(place.iconX, place.iconY, 240, 240));
    icon->setPixmap(i == kDescription ? art::PageIcon(Px(240)) : art::CalendarIcon(Px(240)));
    icons_[i] = icon;
    auto* caption = new QLabel(place.caption, window);
    caption->setObjectName(QString("Label15_%1").arg(i));
    caption->setFont(PanelFont(9));
    caption->move(TwipsRect(place.captionX, 675, 0, 0).topLeft());
    caption->adjustSize();
    captions_[i] = caption;
    auto* area = new LinkLabel(window);
    area->setObjectName(QString("Label25_%1").arg(i));
    area->setGeometry(TwipsRect(place.areaX, place.areaY, place.areaWidth, 345));
    connect(area, &LinkLabel::pressed, this, [this, i] { SwitchPage(int(i)); });
    clickAreas_[i] = area;
  }
  // The description tab starts in front, joined to its page.
  shapes_[1]->SetColours(colours.tab, colours.border);
  shapes_[1]->stackUnder(pageFrame_);
  shapes_[0]->SetColours(colours.page, colours.border);
  shapes_[0]->raise();
  shapes_[0]->move(shapes_[0]->x(), Px(kActiveTop));
  for (std::size_t i = 0; i < 2; ++i) {
    icons_[i]->raise();
    captions_[i]->raise();
    clickAreas_[i]->raise();
  }
  for (QWidget* page : pages_) page->raise();
}

void PageTabs::SwitchPage(int p) {
  emit switching();
  if (p == currentPage) return;
  for (int i = 0; i < 2; ++i) {
    if (i == p) continue;
    TabShape* shape = shapes_[std::size_t(i)];
    shape->SetColours(colours_.tab, colours_.border);
    shape->stackUnder(pageFrame_);
    shape->move(shape->x(), Px(kInactiveTop));
    pages_[std::size_t(i)]->hide();
  }
  pages_[kAbout]->hide();
  if (p == kDescription || p == kCalendar) {
    lastTab = currentPage = p;
    const auto i = std::size_t(p);
    shapes_[i]->SetColours(colours_.page, colours_.border);
    shapes_[i]->raise();
    icons_[i]->raise();
    captions_[i]->raise();
    clickAreas_[i]->raise();
    shapes_[i]->move(shapes_[i]->x(), Px(kActiveTop));
    for (QWidget* page : pages_) page->raise();  // pages lie over the tabs' lower edge
  }
  pages_[std::size_t(p)]->show();
  if (p == kCalendar) emit calendarShown();
}

}  // namespace selenar
