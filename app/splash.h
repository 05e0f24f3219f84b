#pragma once

#include <QWidget>

namespace selenar {

// The start-up splash: borderless, on top, centred, with the version.
class Splash : public QWidget {
 public:
  Splash();

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace selenar
