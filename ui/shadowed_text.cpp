#include "ui/shadowed_text.h"

namespace selenar {

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& name, QRect geometry, const QFont& font,
                  Qt::Alignment alignment, const QColor& colour) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setFont(font);
  label->setAlignment(alignment);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

}  // namespace

ShadowedText::ShadowedText(QWidget* parent, const QString& yellowName, QRect yellowGeometry,
                           const QString& blackName, QRect blackGeometry, const QFont& font,
                           Qt::Alignment alignment)
    : black_(MakeLabel(parent, blackName, blackGeometry, font, alignment, Qt::black)),
      yellow_(MakeLabel(parent, yellowName, yellowGeometry, font, alignment, QColor(255, 255, 0))) {
  yellow_->raise();
}

void ShadowedText::SetText(const QString& text) {
  black_->setText(text);
  yellow_->setText(text);
}

QFont PanelFont(double points, bool bold) {
  QFont font("DejaVu Sans");
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace selenar
