#include "ui/sign_glyph.h"

#include <QLabel>

#include "engine/word_tables.h"

namespace selenar {

void SignGlyph(int sign, QLabel* label) {
  QFont font = label->font();
  font.setFamily("DejaVu Sans");
  label->setFont(font);
  label->setText(QString::fromStdString(ZodiacSymbolText(ZodiacSymbolCode(sign))));
  const QPoint topLeft = label->pos();
  label->adjustSize();
  label->move(topLeft);
}

}  // namespace selenar
