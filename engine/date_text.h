#pragma once

#include <string>

#include "serial_date.h"

namespace selenar {

// "dd.MM.yyyy H:mm:ss", the time left out at exactly midnight
// ("06.01.2000 18:14:45", "01.03.2006").
std::string GeneralDateText(SerialDate moment);

// "d MMMM yyyy" with the genitive month name ("5 марта 2006"); with
// twoDigitDay, "dd MMMM yyyy" ("05 марта 2006").
std::string LongDateText(SerialDate moment, bool twoDigitDay = false);

}  // namespace selenar
