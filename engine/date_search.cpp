#include "engine/date_search.h"

#include <cmath>

#include "engine/calendar_range.h"

namespace selenar {

bool MatchesSearch(const SearchCriteria& criteria, int lunarDay, int sign) {
  switch (criteria.mode) {
    case SearchMode::LunarDay:
      return lunarDay == criteria.lunarDay;
    case SearchMode::Sign:
      return sign == criteria.sign;
    case SearchMode::LunarDayAndSign:
      return lunarDay == criteria.lunarDay && sign == criteria.sign;
    case SearchMode::LunarDayRangeAndSign:
      return criteria.lunarDay <= lunarDay && lunarDay <= criteria.lastLunarDay &&
             sign == criteria.sign;
  }
  return false;
}

int SearchDayCount(SerialDate selected) {
  const double days = LastSelectableDate().Instant() - selected.Instant();
  return static_cast<int>(std::nearbyint(days));
}

}  // namespace selenar
