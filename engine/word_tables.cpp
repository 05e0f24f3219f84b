#include "engine/word_tables.h"

#include <array>

namespace selenar {

namespace {

constexpr std::array<std::string_view, 12> kSignGenitive{
    "Овна",  "Тельца",    "Близнецов", "Рака",     "Льва",    "Девы",
    "Весов", "Скорпиона", "Стрельца",  "Козерога", "Водолея", "Рыб"};

constexpr std::array<std::string_view, 12> kSignNominative{
    "Овен", "Телец",    "Близнецы", "Рак",     "Лев",     "Дева",
    "Весы", "Скорпион", "Стрелец",  "Козерог", "Водолей", "Рыбы"};

constexpr std::array<std::string_view, 12> kMonthNominative{
    "Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
    "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};

constexpr std::array<std::string_view, 12> kMonthGenitive{
    "января", "февраля", "марта",    "апреля",  "мая",    "июня",
    "июля",   "августа", "сентября", "октября", "ноября", "декабря"};

constexpr int kFirstSymbolCode = 94;
constexpr char32_t kAriesSymbol = U'\u2648';

std::string_view FromTable(const std::array<std::string_view, 12>& table, int index) {
  if (index < 1 || index > 12) return {};
  return table[index - 1];
}

}  // namespace

std::string_view SignGenitiveName(int sign) { return FromTable(kSignGenitive, sign); }

std::string_view SignName(int sign) { return FromTable(kSignNominative, sign); }

std::string_view MonthName(int month) { return FromTable(kMonthNominative, month); }

std::string_view MonthGenitiveName(int month) { return FromTable(kMonthGenitive, month); }

int ZodiacSymbolCode(int sign) { return 93 + sign; }

std::string ZodiacSymbolText(int code) {
  if (code < kFirstSymbolCode || code >= kFirstSymbolCode + 12) return {};
  // U+2648..U+2653 in UTF-8: E2 99 88..93.
  const char32_t symbol = kAriesSymbol + char32_t(code - kFirstSymbolCode);
  return {char(0xE0 | (symbol >> 12)), char(0x80 | ((symbol >> 6) & 0x3F)),
          char(0x80 | (symbol & 0x3F))};
}

std::string PadNumber(int number, int width) {
  if (width <= 0) return {};
  const std::string text = std::string(std::size_t(width), '0') + std::to_string(number);
  return text.substr(text.size() - std::size_t(width));
}

}  // namespace selenar
