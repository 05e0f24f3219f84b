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

}  // namespace selenar
