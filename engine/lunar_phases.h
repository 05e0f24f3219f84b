#pragma once

#include <string>

#include "engine/serial_date.h"
#include "engine/time_zone.h"

namespace selenar {

// Phase index within a lunation, in quarters.
inline constexpr int kNewMoon = 0;
inline constexpr int kFullMoon = 2;

// Lunation 953 begins with the new moon of 6 January 2000.
inline constexpr int kLunation2000 = 953;

// Julian Day (used as Universal Time) of phase q of lunation n, from the
// mean phase with its periodic and planetary corrections.
double PhaseJulianDay(int lunation, int phase);

// The mean instant alone; the corrections never move an instant by more
// than kMaxPhaseCorrection days from it.
double MeanPhaseJulianDay(int lunation, int phase);
inline constexpr double kMaxPhaseCorrection = 1.0;

// A lunation and the Julian Day of its new moon.
struct Lunation {
  int number = 0;
  double newMoonJulianDay = 0.0;
};

// The lunation whose new moon is at or before t plus half a second.
Lunation LunationOf(SerialDate universal);
int LunationNumber(SerialDate universal);

SerialDate PreviousNewMoon(SerialDate universal);
SerialDate NextNewMoon(SerialDate universal);
SerialDate PreviousFullMoon(SerialDate universal);
SerialDate NextFullMoon(SerialDate universal);

// 2 waxing, 4 waning, 0 for a moment the phase guard refuses.
int WaxWaneCode(SerialDate universal);

// The phase of a moment's Universal Time date: code 1 when a new moon falls
// on that date, 3 for a full moon (with its instant), otherwise WaxWaneCode.
struct DatePhase {
  int code = 0;
  SerialDate instant;  // of the new or full moon, codes 1 and 3 only
};
DatePhase PhaseOfDate(SerialDate universal);

int PhaseCode(SerialDate universal);

// "Растущая", "Убывающая", or the phase of the date with its local time
// after a CR LF ("Полнолуние\r\n21.01.2000 7:41:27").
std::string PhaseText(SerialDate universal, const TimeZone& zone = SystemZone());
std::string PhaseText(const DatePhase& phase, const TimeZone& zone = SystemZone());

}  // namespace selenar
