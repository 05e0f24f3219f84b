#include "ui/highlight_frames.h"

#include <QEvent>

#include "ui/twips.h"

namespace selenar {

namespace {

constexpr int kBand = 45;  // twips of frame showing on each side
constexpr const char* kFrameIndex = "highlightFrame";
constexpr const char* kHidesFrames = "hidesHighlightFrames";

}  // namespace

HighlightFrames::HighlightFrames(QWidget* window, const QColor& fill, const QColor& border)
    : QObject(window) {
  for (std::size_t i = 0; i < frames_.size(); ++i) {
    auto* frame = new QFrame(window);
    frame->setObjectName(QString("Shape4_%1").arg(i));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->setStyleSheet(
        QString("background: %1; border: 1px solid %2;").arg(fill.name(), border.name()));
    frame->resize(Px(300), Px(300));
    frames_[i] = frame;
  }
  HideCur();
}

void HighlightFrames::ShowCur(QWidget* element, int index) {
  QFrame* frame = Frame(index);
  if (frame->parentWidget() != element->parentWidget()) {
    frame->setParent(element->parentWidget());
    frame->show();
  }
  const int band = Px(kBand);
  frame->setGeometry(element->geometry().adjusted(-band, -band, band, band));
  frame->stackUnder(element);
}

void HighlightFrames::HideCur() {
  for (QFrame* frame : frames_) frame->move(Px(-4335), Px(-675));
}

void HighlightFrames::Serve(QWidget* element, int index) {
  element->setProperty(kFrameIndex, index);
  element->installEventFilter(this);
}

void HighlightFrames::HideOver(QWidget* surface) {
  surface->setProperty(kHidesFrames, true);
  surface->setMouseTracking(true);
  surface->installEventFilter(this);
}

bool HighlightFrames::eventFilter(QObject* watched, QEvent* event) {
  const bool moved = event->type() == QEvent::MouseMove || event->type() == QEvent::Enter;
  if (moved && watched->isWidgetType()) {
    const QVariant index = watched->property(kFrameIndex);
    if (index.isValid()) {
      ShowCur(static_cast<QWidget*>(watched), index.toInt());
    } else if (watched->property(kHidesFrames).toBool() && event->type() == QEvent::MouseMove) {
      HideCur();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace selenar
