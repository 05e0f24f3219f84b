#pragma once

namespace selenar {

// The 42 cells of a month, six rows of seven, Monday first.
inline constexpr int kMonthCells = 42;

struct MonthLayout {
  int year = 0;
  int month = 0;
  int firstWeekday = 1;  // of day 1: Monday 1 .. Sunday 7
  int daysInMonth = 0;

  // The cell that holds day 1.
  int FirstDayCell() const { return firstWeekday - 1; }

  // The day shown in a cell, 0 for a cell before day 1 or after the last day.
  int DayOfCell(int cell) const;
};

MonthLayout LayoutOfMonth(int year, int month);

}  // namespace selenar
