#pragma once

class QLabel;

namespace selenar {

// Shows the zodiac symbol of a sign (code 93 + sign) in the label, in a font
// that has the symbols; the label keeps its left edge and fits its text.
void SignGlyph(int sign, QLabel* label);

}  // namespace selenar
