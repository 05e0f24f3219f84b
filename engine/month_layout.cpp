#include "engine/month_layout.h"

#include <chrono>

#include "engine/serial_date.h"

namespace selenar {

int MonthLayout::DayOfCell(int cell) const {
  const int day = cell + 1 < firstWeekday ? 0 : cell + 2 - firstWeekday;
  return day > daysInMonth ? 0 : day;
}

MonthLayout LayoutOfMonth(int year, int month) {
  const std::chrono::weekday weekday{
      std::chrono::sys_days{std::chrono::year{year} / std::chrono::month(unsigned(month)) / 1}};
  return {year, month, int(weekday.iso_encoding()), DaysInMonth(year, month)};
}

}  // namespace selenar
