#pragma once

#include <QLabel>

namespace selenar {

// A label that acts as a link: hand cursor, and a click when the button is
// released over it.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();
  void pressed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// Where a top-bar link's parts go: the click area, the icon and the caption.
struct TopBarLinkPlace {
  QRect area;
  QRect icon;
  QPoint caption;
};

// A transparent click area over an icon and a caption. A caption wider than
// its place (DejaVu Sans runs wider than the original face) widens the area,
// and the group moves left when it would pass the window's edge.
LinkLabel* TopBarLink(QWidget* bar, const QString& name, const TopBarLinkPlace& place,
                      const QPixmap& icon, const QString& caption, const QString& iconName = {},
                      const QString& captionName = {});

}  // namespace selenar
