#include "engine/calendar_range.h"

namespace selenar {

SerialDate FirstSelectableDate() { return SerialDate::FromFields(kFirstYear, 1, 1); }

SerialDate LastSelectableDate() { return SerialDate::FromFields(kLastYear, 12, 31); }

bool IsSelectableMoment(SerialDate local) {
  const CalendarFields f = local.Fields();
  return f.year >= kFirstYear && f.year <= kLastYear;
}

}  // namespace selenar
