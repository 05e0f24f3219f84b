#include "ui/link_label.h"

#include <QMouseEvent>
#include <algorithm>

#include "ui/twips.h"

namespace selenar {

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  emit pressed();
  QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (rect().contains(event->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

LinkLabel* TopBarLink(QWidget* bar, const QString& name, const TopBarLinkPlace& place,
                      const QPixmap& icon, const QString& caption, const QString& iconName,
                      const QString& captionName) {
  auto* iconLabel = new QLabel(bar);
  iconLabel->setObjectName(iconName);
  iconLabel->setGeometry(place.icon);
  iconLabel->setPixmap(icon);
  auto* captionLabel = new QLabel(caption, bar);
  captionLabel->setObjectName(captionName);
  captionLabel->move(place.caption);
  captionLabel->adjustSize();
  QRect area = place.area;
  area.setRight(std::max(area.right(), captionLabel->geometry().right() + 2));
  const int overflow = area.right() - (bar->window()->width() - Px(60));
  if (overflow > 0) {
    for (QWidget* part : {static_cast<QWidget*>(iconLabel), static_cast<QWidget*>(captionLabel)}) {
      part->move(part->pos() - QPoint(overflow, 0));
    }
    area.translate(-overflow, 0);
  }
  auto* link = new LinkLabel(bar);
  link->setObjectName(name);
  link->setGeometry(area);
  link->setCursor(Qt::PointingHandCursor);
  link->raise();
  return link;
}

}  // namespace selenar
