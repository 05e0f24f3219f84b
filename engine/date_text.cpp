#include "engine/date_text.h"

#include <regex>

#include "engine/word_tables.h"

namespace selenar {

std::string GeneralDateText(SerialDate moment) {
  const CalendarFields f = moment.Fields();
  std::string text = PadNumber(f.day, 2) + "." + PadNumber(f.month, 2) + "." + PadNumber(f.year, 4);
  if (f.hour == 0 && f.minute == 0 && f.second == 0) return text;
  return text + " " + std::to_string(f.hour) + ":" + PadNumber(f.minute, 2) + ":" +
         PadNumber(f.second, 2);
}

std::string LongDateText(SerialDate moment, bool twoDigitDay) {
  const CalendarFields f = moment.Fields();
  const std::string day = twoDigitDay ? PadNumber(f.day, 2) : std::to_string(f.day);
  return day + " " + std::string(MonthGenitiveName(f.month)) + " " + std::to_string(f.year);
}

std::optional<SerialDate> ParseGeneralDateText(std::string_view text) {
  static const std::regex pattern(R"((\d{2})\.(\d{2})\.(\d{4})(?: (\d{1,2}):(\d{2}):(\d{2}))?)");
  std::match_results<std::string_view::const_iterator> match;
  if (!std::regex_match(text.begin(), text.end(), match, pattern)) return std::nullopt;
  const auto number = [&match](int i) { return match[i].matched ? std::stoi(match[i].str()) : 0; };
  const int day = number(1), month = number(2), year = number(3);
  const int hour = number(4), minute = number(5), second = number(6);
  if (!IsValidDate(year, month, day) || hour > 23 || minute > 59 || second > 59) {
    return std::nullopt;
  }
  return SerialDate::FromFields(year, month, day, hour, minute, second);
}

std::string DtCor(std::string_view text) {
  const auto colon = text.rfind(':');
  if (colon == std::string_view::npos || colon + 1 < 4) return std::string(text);
  return std::string(text.substr(0, colon + 1 + 2));
}

}  // namespace selenar
