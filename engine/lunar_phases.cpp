#include "engine/lunar_phases.h"

#include <array>
#include <cmath>

#include "engine/date_text.h"
#include "engine/julian_day.h"

namespace selenar {

namespace {

constexpr double kHalfSecond = 0.00001158 / 2;
constexpr double kMeanLunation = 29.530589;
// 18 December 1922 12:20:09, the new moon of lunation 0.
constexpr double kLunationZeroSerial = 8388.51399305556;

enum Factor { One, E1, E2 };

// One periodic term: coefficient for new and full moon times
// sin(a M' + b M + c F + d Omega).
struct PeriodicTerm {
  int mPrime, m, f, omega;
  Factor factor;
  double newMoon, fullMoon;
};

constexpr std::array<PeriodicTerm, 25> kPeriodicTerms{{
    {1, 0, 0, 0, One, -0.40720, -0.40614},   {0, 1, 0, 0, E1, 0.17241, 0.17302},
    {2, 0, 0, 0, One, 0.01608, 0.01614},     {0, 0, 2, 0, One, 0.01039, 0.01043},
    {1, -1, 0, 0, E1, 0.00739, 0.00734},     {1, 1, 0, 0, E1, -0.00514, -0.00515},
    {0, 2, 0, 0, E2, 0.00208, 0.00209},      {1, 0, -2, 0, One, -0.00111, -0.00111},
    {1, 0, 2, 0, One, -0.00057, -0.00057},   {2, 1, 0, 0, E1, 0.00056, 0.00056},
    {3, 0, 0, 0, One, -0.00042, -0.00042},   {0, 1, 2, 0, E1, 0.00042, 0.00042},
    {0, 1, -2, 0, E1, 0.00038, 0.00038},     {2, -1, 0, 0, E1, -0.00024, -0.00024},
    {0, 0, 0, 1, One, -0.00017, -0.00017},   {1, 2, 0, 0, One, -0.00007, -0.00007},
    {2, 0, -2, 0, One, 0.00004, 0.00004},    {0, 3, 0, 0, One, 0.00004, 0.00004},
    {1, 1, -2, 0, One, 0.00003, 0.00003},    {2, 0, 2, 0, One, 0.00003, 0.00003},
    {1, 1, 2, 0, One, -0.00003, -0.00003},   {1, -1, 2, 0, One, 0.00003, 0.00003},
    {1, -1, -2, 0, One, -0.00002, -0.00002}, {3, 1, 0, 0, One, -0.00002, -0.00002},
    {4, 0, 0, 0, One, 0.00002, 0.00002},
}};

// Planetary argument i: base + rate k (A1 also has a T squared term).
struct PlanetaryTerm {
  double base, rate, coefficient;
};

constexpr std::array<PlanetaryTerm, 14> kPlanetaryTerms{{
    {299.77, 0.107408, 0.000325},
    {251.88, 0.016321, 0.000165},
    {251.83, 26.651886, 0.000164},
    {349.42, 36.412478, 0.000126},
    {84.66, 18.206239, 0.000110},
    {141.74, 53.303771, 0.000062},
    {207.14, 2.453732, 0.000060},
    {154.84, 7.30686, 0.000056},
    {34.52, 27.261239, 0.000047},
    {207.19, 0.121824, 0.000042},
    {291.34, 1.844379, 0.000040},
    {161.72, 24.198154, 0.000037},
    {239.56, 25.513099, 0.000035},
    {331.55, 3.592518, 0.000023},
}};

double PhaseK(int lunation, int phase) { return (lunation - kLunation2000) + phase / 4.0; }

double MeanInstant(double k) {
  const double t = k / 1236.85;
  return 2451550.09765 + 29.530588853 * k + 0.0001337 * t * t - 0.00000015 * t * t * t +
         0.00000000073 * t * t * t * t;
}

// True when the new moon of the lunation lies after the target. Most answers
// follow from the mean instant; only a target near it needs the full series.
bool NewMoonAfter(int lunation, double target, double& evaluated) {
  const double mean = MeanPhaseJulianDay(lunation, kNewMoon);
  if (mean - kMaxPhaseCorrection > target) return true;
  if (mean + kMaxPhaseCorrection <= target) return false;
  evaluated = PhaseJulianDay(lunation, kNewMoon);
  return evaluated > target;
}

SerialDate PhaseSerial(int lunation, int phase) {
  return JulianDayToSerial(PhaseJulianDay(lunation, phase));
}

// The lunation search only makes sense inside the calendar's range.
bool IsSearchable(SerialDate universal) {
  return std::isfinite(universal.value) && universal.value > -700000.0 &&
         universal.value < 3000000.0;
}

}  // namespace

double MeanPhaseJulianDay(int lunation, int phase) { return MeanInstant(PhaseK(lunation, phase)); }

double PhaseJulianDay(int lunation, int phase) {
  const double k = PhaseK(lunation, phase);
  const double t = k / 1236.85;
  const double t2 = t * t;
  const double t3 = t2 * t;
  const double t4 = t3 * t;

  const double e = 1 - 0.002516 * t - 0.0000074 * t2;
  const double m = AngleToRadians(2.5534 + 29.10535669 * k - 0.0000218 * t2 - 0.00000011 * t3);
  const double mPrime = AngleToRadians(201.5643 + 385.81693528 * k + 0.0107438 * t2 +
                                       0.00001239 * t3 - 0.000000058 * t4);
  const double f = AngleToRadians(160.7108 + 390.67050274 * k - 0.0016341 * t2 - 0.00000227 * t3 +
                                  0.000000011 * t4);
  const double omega = AngleToRadians(124.7746 - 1.5637558 * k + 0.0020691 * t2 + 0.00000215 * t3);

  const bool full = phase == kFullMoon;
  double sum = MeanInstant(k);
  for (const PeriodicTerm& term : kPeriodicTerms) {
    const double argument = term.mPrime * mPrime + term.m * m + term.f * f + term.omega * omega;
    const double factor = term.factor == E1 ? e : term.factor == E2 ? e * e : 1.0;
    sum += (full ? term.fullMoon : term.newMoon) * factor * std::sin(argument);
  }
  for (std::size_t i = 0; i < kPlanetaryTerms.size(); ++i) {
    const PlanetaryTerm& term = kPlanetaryTerms[i];
    double degrees = term.base + term.rate * k;
    if (i == 0) degrees -= 0.009173 * t2;
    sum += term.coefficient * std::sin(AngleToRadians(degrees));
  }
  return sum;
}

Lunation LunationOf(SerialDate universal) {
  if (!IsSearchable(universal)) return {0, PhaseJulianDay(0, kNewMoon)};
  // Rounding is to the nearest, a half going to the even neighbour.
  int n = static_cast<int>(
      std::nearbyint(std::nearbyint(universal.value - kLunationZeroSerial) / kMeanLunation));
  const double target = SerialToJulianDay(universal) + kHalfSecond;
  for (;;) {
    double start = NAN;
    double following = NAN;
    if (NewMoonAfter(n, target, start)) {
      --n;
    } else if (!NewMoonAfter(n + 1, target, following)) {
      ++n;
    } else {
      return {n, std::isnan(start) ? PhaseJulianDay(n, kNewMoon) : start};
    }
  }
}

int LunationNumber(SerialDate universal) { return LunationOf(universal).number; }

SerialDate PreviousNewMoon(SerialDate universal) {
  return JulianDayToSerial(LunationOf(universal).newMoonJulianDay);
}

SerialDate NextNewMoon(SerialDate universal) {
  const Lunation lunation = LunationOf(universal);
  const SerialDate start = JulianDayToSerial(lunation.newMoonJulianDay);
  if (start > universal) return start;
  return PhaseSerial(lunation.number + 1, kNewMoon);
}

SerialDate NextFullMoon(SerialDate universal) {
  const int n = LunationNumber(universal);
  const SerialDate full = PhaseSerial(n, kFullMoon);
  return full > universal ? full : PhaseSerial(n + 1, kFullMoon);
}

SerialDate PreviousFullMoon(SerialDate universal) {
  const int n = LunationNumber(universal);
  const SerialDate full = PhaseSerial(n, kFullMoon);
  return full < universal ? full : PhaseSerial(n - 1, kFullMoon);
}

int WaxWaneCode(SerialDate universal) {
  if (!IsPhaseDateValid(universal)) return 0;
  const SerialDate full = PhaseSerial(LunationNumber(universal), kFullMoon);
  return universal >= full ? 4 : 2;
}

DatePhase PhaseOfDate(SerialDate universal) {
  // The first phase after the day before falls on the date exactly when the
  // date holds that phase.
  const SerialDate date = DateOnly(universal);
  const SerialDate dayBefore = universal.AddDays(-1);
  if (const SerialDate newMoon = NextNewMoon(dayBefore); DateOnly(newMoon) == date) {
    return {1, newMoon};
  }
  if (const SerialDate fullMoon = NextFullMoon(dayBefore); DateOnly(fullMoon) == date) {
    return {3, fullMoon};
  }
  return {WaxWaneCode(universal), {}};
}

int PhaseCode(SerialDate universal) { return PhaseOfDate(universal).code; }

std::string PhaseText(const DatePhase& phase, const TimeZone& zone) {
  switch (phase.code) {
    case 1:
      return "Новолуние\r\n" + GeneralDateText(UniversalToLocal(phase.instant, zone));
    case 3:
      return "Полнолуние\r\n" + GeneralDateText(UniversalToLocal(phase.instant, zone));
    case 2:
      return "Растущая";
    case 4:
      return "Убывающая";
    default:
      return "";
  }
}

std::string PhaseText(SerialDate universal, const TimeZone& zone) {
  return PhaseText(PhaseOfDate(universal), zone);
}

}  // namespace selenar
