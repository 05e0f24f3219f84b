#include "link_label.h"

#include <QMouseEvent>

namespace selenar {

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  emit pressed();
  QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (rect().contains(event->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

}  // namespace selenar
