#pragma once

#include <cstdint>
#include <string>

#include "engine/serial_date.h"
#include "engine/time_zone.h"

namespace selenar {

// The five numbers that select the fragments of the day page.
struct DayKeys {
  std::int16_t md = 0;    // lunar day
  std::int16_t Zod = 0;   // sign
  std::int16_t Faz = 0;   // phase code
  std::int16_t Qual = 0;  // element code
  std::int16_t Vn = 0;    // course code
};

// Everything the daily panel shows for one local moment, computed once so
// that the windows, the tray and the command line only render it.
struct DayValues {
  SerialDate moment;    // local
  SerialDate momentUT;  // Universal Time
  double moonAge = 0.0;
  double lunarDay = 0.0;
  float phaseAngle = 0.0f;
  float visibleShare = 0.0f;
  int visiblePercent = 0;
  std::string visibilityText;  // "Видимость Луны: 87 %"
  double longitude = 0.0;
  int sign = 0;
  std::string signPosition;  // "15° 44' Козерога"
  int courseCode = 3;
  std::string courseText;  // "Восходящая", "Нисходящая" or ""
  int elementCode = 0;
  std::string elementText;  // "День тепла"
  int phaseCode = 0;
  std::string phaseText;  // lines joined by CR LF
  // The neighbouring phases in local time.
  SerialDate previousNewMoon;
  SerialDate nextNewMoon;
  SerialDate previousFullMoon;
  SerialDate nextFullMoon;
  DayKeys keys;
  std::string tooltip;  // five lines (four without a course), CR LF
};

DayValues ComputeDayValues(SerialDate localMoment, const TimeZone& zone = SystemZone());

}  // namespace selenar
