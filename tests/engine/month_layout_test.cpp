#include "engine/month_layout.h"

#include <gtest/gtest.h>

#include "engine/calendar_range.h"
#include "engine/date_search.h"

namespace selenar {
namespace {

TEST(MonthLayout, DayOneSitsInTheCellOfItsWeekday) {
  struct Case {
    int year, month;
    int firstDayCell, lastDayCell;
  };
  const Case cases[] = {
      {2010, 2, 0, 27},  // February of 28 days starting on Monday
      {2006, 1, 6, 36},  // starts on Sunday: the sixth row is used
      {2000, 1, 5, 35},  // Saturday, 31 days
      {2004, 2, 6, 34},  // leap February from Sunday
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month));
    const MonthLayout layout = LayoutOfMonth(c.year, c.month);
    EXPECT_EQ(layout.FirstDayCell(), c.firstDayCell);
    for (int cell = 0; cell < kMonthCells; ++cell) {
      const int expected =
          cell < c.firstDayCell || cell > c.lastDayCell ? 0 : cell - c.firstDayCell + 1;
      EXPECT_EQ(layout.DayOfCell(cell), expected) << cell;
    }
  }
}

TEST(DateSearch, MatchRulesPerMode) {
  struct Case {
    SearchCriteria criteria;
    int lunarDay, sign;
    bool match;
  };
  const Case cases[] = {
      {{SearchMode::LunarDay, 5, 1, 1}, 5, 7, true},
      {{SearchMode::LunarDay, 5, 1, 1}, 6, 1, false},
      {{SearchMode::Sign, 5, 3, 1}, 9, 3, true},
      {{SearchMode::LunarDayAndSign, 5, 3, 1}, 5, 3, true},
      {{SearchMode::LunarDayAndSign, 5, 3, 1}, 5, 4, false},
      {{SearchMode::LunarDayRangeAndSign, 5, 1, 7}, 7, 1, true},
      {{SearchMode::LunarDayRangeAndSign, 5, 1, 7}, 8, 1, false},
      {{SearchMode::LunarDayRangeAndSign, 7, 1, 5}, 6, 1, false},  // inverted range
      {{SearchMode::LunarDay, 31, 1, 1}, 30, 1, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MatchesSearch(c.criteria, c.lunarDay, c.sign), c.match)
        << int(c.criteria.mode) << " " << c.lunarDay << " " << c.sign;
  }
}

TEST(DateSearch, DayCountRunsToTheLastSelectableDate) {
  EXPECT_EQ(SearchDayCount(SerialDate::FromFields(2100, 12, 30)), 1);
  EXPECT_EQ(SearchDayCount(SerialDate::FromFields(2100, 12, 30, 12)), 0);  // half goes to even
  EXPECT_EQ(SearchDayCount(SerialDate::FromFields(2100, 12, 30, 11)), 1);
  EXPECT_EQ(SearchDayCount(SerialDate::FromFields(2100, 12, 31, 18)), -1);
  EXPECT_EQ(SearchDayCount(FirstSelectableDate()), 73413);
}

}  // namespace
}  // namespace selenar
