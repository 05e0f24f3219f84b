#include "engine/serial_date.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace selenar {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr std::chrono::sys_days kEpoch = std::chrono::sys_days{std::chrono::year{1899} / 12 / 30};

}  // namespace

double SerialDate::Instant() const {
  if (value >= 0.0) return value;
  const double day = std::trunc(value);
  return day + (day - value);
}

SerialDate SerialDate::FromInstant(double days) {
  if (days >= 0.0) return {days};
  const double day = std::floor(days);
  const double time = days - day;
  return {time == 0.0 ? day : day - time};
}

SerialDate SerialDate::FromFields(int year, int month, int day, int hour, int minute,
                                  double second) {
  const double time = (hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay;
  return FromInstant(DayNumberOfDate(year, month, day) + time);
}

CalendarFields SerialDate::Fields() const {
  // Rounding first keeps floating residues such as 11:59:59.9999 at 12:00.
  const long long total = std::llround(Instant() * kSecondsPerDay);
  long long days = total / 86400;
  long long seconds = total % 86400;
  if (seconds < 0) {
    seconds += 86400;
    --days;
  }
  const std::chrono::year_month_day date{kEpoch + std::chrono::days{days}};
  CalendarFields fields;
  fields.year = int(date.year());
  fields.month = int(unsigned(date.month()));
  fields.day = int(unsigned(date.day()));
  fields.hour = int(seconds / 3600);
  fields.minute = int(seconds / 60 % 60);
  fields.second = int(seconds % 60);
  return fields;
}

SerialDate SerialDate::AddDays(double days) const { return FromInstant(Instant() + days); }

SerialDate SerialDate::AddMinutes(double minutes) const {
  return FromInstant(Instant() + minutes / 1440.0);
}

SerialDate WithYearMonth(SerialDate moment, int year, int month) {
  const CalendarFields f = moment.Fields();
  const int day = std::min(f.day, DaysInMonth(year, month));
  return SerialDate::FromFields(year, month, day, f.hour, f.minute, f.second);
}

SerialDate DateOnly(SerialDate moment) {
  const CalendarFields fields = moment.Fields();
  return SerialDate::FromFields(fields.year, fields.month, fields.day);
}

bool IsSameDate(SerialDate a, SerialDate b) {
  const CalendarFields x = a.Fields();
  const CalendarFields y = b.Fields();
  return x.year == y.year && x.month == y.month && x.day == y.day;
}

int DayNumberOfDate(int year, int month, int day) {
  const std::chrono::sys_days date{std::chrono::year{year} / std::chrono::month(unsigned(month)) /
                                   std::chrono::day(unsigned(day))};
  return int((date - kEpoch).count());
}

int DaysInMonth(int year, int month) {
  if (month < 1 || month > 12) return 0;
  const std::chrono::year_month_day_last last{
      std::chrono::year{year} / std::chrono::month(unsigned(month)) / std::chrono::last};
  return int(unsigned(last.day()));
}

bool IsValidDate(int year, int month, int day) {
  return year >= -32767 && year <= 32767 && day >= 1 && day <= DaysInMonth(year, month);
}

}  // namespace selenar
