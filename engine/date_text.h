#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/serial_date.h"

namespace selenar {

// "dd.MM.yyyy H:mm:ss", the time left out at exactly midnight
// ("06.01.2000 18:14:45", "01.03.2006").
std::string GeneralDateText(SerialDate moment);

// "d MMMM yyyy" with the genitive month name ("5 марта 2006"); with
// twoDigitDay, "dd MMMM yyyy" ("05 марта 2006").
std::string LongDateText(SerialDate moment, bool twoDigitDay = false);

// Reads a general date text back ("06.01.2000 18:14:45" or "01.03.2006");
// nothing for any other text or an impossible date.
std::optional<SerialDate> ParseGeneralDateText(std::string_view text);

// Keeps a date-time text up to two characters past its last colon, cutting
// anything after the seconds; a text whose last colon is among its first
// three characters, or that has none, is returned unchanged.
std::string DtCor(std::string_view text);

}  // namespace selenar
