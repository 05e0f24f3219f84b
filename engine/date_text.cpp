#include "date_text.h"

#include "word_tables.h"

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

}  // namespace selenar
