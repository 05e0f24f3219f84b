#pragma once

#include <QImage>
#include <QWidget>

namespace selenar {

// The start-up splash: borderless, on top, centred, with the version.
class Splash : public QWidget {
 public:
  Splash();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage strip_;  // the phases over a night-sky plate, drawn once
};

}  // namespace selenar
