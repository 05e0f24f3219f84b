#pragma once

#include <QColor>
#include <QFrame>
#include <QObject>
#include <array>

namespace selenar {

// The four hover highlight frames: links and arrow buttons are not drawn as
// buttons; a filled frame is placed behind the one under the pointer.
class HighlightFrames : public QObject {
 public:
  HighlightFrames(QWidget* window, const QColor& fill, const QColor& border);

  // Places frame `index` 45 twips around the element, behind it, in the
  // element's container.
  void ShowCur(QWidget* element, int index);
  // Moves all four frames out of sight.
  void HideCur();

  // The pointer over the element takes frame `index` to it.
  void Serve(QWidget* element, int index);
  // The pointer moving over the surface takes all frames away.
  void HideOver(QWidget* surface);

  QFrame* Frame(int index) const { return frames_[std::size_t(index)]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::array<QFrame*, 4> frames_{};
};

}  // namespace selenar
