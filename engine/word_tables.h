#pragma once

#include <string>
#include <string_view>

namespace selenar {

// Sign names in the genitive case ("Овна"); empty outside 1..12.
std::string_view SignGenitiveName(int sign);

// Sign names in the nominative case ("Овен"); empty outside 1..12.
std::string_view SignName(int sign);

// Month names in the nominative case ("Март"); empty outside 1..12.
std::string_view MonthName(int month);

// Month names in the genitive case, for dates written out ("5 марта 2006").
std::string_view MonthGenitiveName(int month);

// The symbol code of a sign: 93 + sign, so 94 is Aries and 105 Pisces.
int ZodiacSymbolCode(int sign);

// The displayed symbol for a symbol code: U+2648..U+2653 for 94..105,
// empty for any other code.
std::string ZodiacSymbolText(int code);

// The decimal text of n after w zeros, cut to its last w characters:
// PadNumber(5, 2) is "05", PadNumber(123, 2) is "23".
std::string PadNumber(int number, int width);

}  // namespace selenar
