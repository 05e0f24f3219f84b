#pragma once

#include <compare>

namespace selenar {

// Calendar fields of a moment, the time rounded to the nearest second.
struct CalendarFields {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// A moment as days from 30 December 1899 00:00 (Gregorian calendar extended
// backward). Before that moment the whole-day part is the negative day number
// and the time of day is subtracted as a positive fraction, so -1.25 is
// 29 December 1899 06:00. Whether it is local or Universal Time is up to the
// caller. Arithmetic and comparisons work on the instant, never on the raw
// encoded number.
struct SerialDate {
  double value = 0.0;

  // Days since 30 December 1899 00:00 on a continuous time line.
  double Instant() const;
  static SerialDate FromInstant(double days);

  static SerialDate FromFields(int year, int month, int day, int hour = 0, int minute = 0,
                               double second = 0.0);
  CalendarFields Fields() const;

  SerialDate AddDays(double days) const;
  SerialDate AddMinutes(double minutes) const;

  friend bool operator==(SerialDate a, SerialDate b) { return a.Instant() == b.Instant(); }
  friend std::partial_ordering operator<=>(SerialDate a, SerialDate b) {
    return a.Instant() <=> b.Instant();
  }
};

// The same time of day on another year and month; a day that the month does
// not have becomes its last day (31 March to April gives 30 April).
SerialDate WithYearMonth(SerialDate moment, int year, int month);

// 00:00 on the calendar date of the moment.
SerialDate DateOnly(SerialDate moment);

// True when both moments fall on the same calendar date.
bool IsSameDate(SerialDate a, SerialDate b);

// Whole days from 30 December 1899 to the given (valid) Gregorian date.
int DayNumberOfDate(int year, int month, int day);

int DaysInMonth(int year, int month);

// True for a real Gregorian date (month 1..12, day within the month).
bool IsValidDate(int year, int month, int day);

}  // namespace selenar
