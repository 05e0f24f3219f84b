#pragma once

#include "engine/serial_date.h"

namespace selenar {

enum class SearchMode {
  LunarDay = 0,             // "Только лунный день"
  Sign = 1,                 // "Только знак"
  LunarDayAndSign = 2,      // "Лунный день и знак"
  LunarDayRangeAndSign = 3  // "Период лунных дней и знак"
};

struct SearchCriteria {
  SearchMode mode = SearchMode::LunarDay;
  int lunarDay = 1;      // the lunar day, or the lower bound of the range
  int sign = 1;          // 1..12
  int lastLunarDay = 1;  // the upper bound of the range
};

bool MatchesSearch(const SearchCriteria& criteria, int lunarDay, int sign);

// How many days the search scans forward from the selected moment: up to
// 31 December 2100 00:00, rounded to the nearest day (halves to even).
int SearchDayCount(SerialDate selected);

}  // namespace selenar
