#pragma once

#include "engine/serial_date.h"

namespace selenar {

// The dates a user can select: 1 January 1900 .. 31 December 2100.
inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2100;

SerialDate FirstSelectableDate();  // 1 January 1900 00:00
SerialDate LastSelectableDate();   // 31 December 2100 00:00

// True when the moment's calendar date lies within the selectable dates.
bool IsSelectableMoment(SerialDate local);

}  // namespace selenar
