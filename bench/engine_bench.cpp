// Engine speed budgets on the 2-core reference machine: one moment's whole
// values under 20 us, the full 1900..2100 scan of the date search under 100 ms.
#include <benchmark/benchmark.h>

#include "engine/calendar_range.h"
#include "engine/day_values.h"
#include "engine/lunar_day.h"
#include "engine/lunar_phases.h"
#include "engine/moon_age.h"
#include "engine/time_zone.h"
#include "engine/zodiac.h"

namespace selenar {
namespace {

const SerialDate kMoment = SerialDate::FromFields(2006, 3, 15, 12);

void BM_PhaseJulianDay(benchmark::State& state) {
  int lunation = 1000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PhaseJulianDay(lunation, kNewMoon));
    lunation = lunation == 1200 ? 1000 : lunation + 1;
  }
}
BENCHMARK(BM_PhaseJulianDay);

// Calls the function for moments 97 minutes apart, so that every call lands
// at another time of day and another phase.
template <typename Function>
void OverMoments(benchmark::State& state, Function function) {
  SerialDate t = kMoment;
  for (auto _ : state) {
    benchmark::DoNotOptimize(function(t));
    t = t.AddMinutes(97);
  }
}

void BM_LocalToUniversal(benchmark::State& state) {
  OverMoments(state, [](SerialDate t) { return LocalToUniversal(t); });
}
BENCHMARK(BM_LocalToUniversal);

void BM_MoonLongitude(benchmark::State& state) { OverMoments(state, MoonLongitude); }
BENCHMARK(BM_MoonLongitude);

void BM_MoonAge(benchmark::State& state) { OverMoments(state, MoonAge); }
BENCHMARK(BM_MoonAge);

void BM_DayValues(benchmark::State& state) {
  OverMoments(state, [](SerialDate t) { return ComputeDayValues(t); });
}
BENCHMARK(BM_DayValues)->Unit(benchmark::kMicrosecond);

void BM_MonthFill(benchmark::State& state) {
  for (auto _ : state) {
    for (int day = 1; day <= 31; ++day) {
      benchmark::DoNotOptimize(LunarDaysOfDate(SerialDate::FromFields(2006, 3, day)));
    }
  }
}
BENCHMARK(BM_MonthFill)->Unit(benchmark::kMicrosecond);

// What the date search does for every day it scans: lunar day and sign at
// 12:00 local, 1 January 1900 .. 31 December 2100.
void BM_FullRangeScan(benchmark::State& state) {
  const SerialDate first = FirstSelectableDate().AddMinutes(12 * 60);
  const SerialDate last = LastSelectableDate().AddMinutes(12 * 60);
  for (auto _ : state) {
    int matches = 0;
    for (SerialDate t = first; t <= last; t = t.AddDays(1)) {
      const MomentSample sample = SampleMoment(t);
      matches += sample.lunarDay == 5 && sample.sign == 1;
    }
    benchmark::DoNotOptimize(matches);
  }
}
BENCHMARK(BM_FullRangeScan)->Unit(benchmark::kMillisecond);

// The least any scan must do per day: one phase series for the age and one
// longitude series for the sign. The ratio of the scan to this is its overhead.
void BM_SeriesFloorOfScan(benchmark::State& state) {
  const SerialDate first = FirstSelectableDate().AddMinutes(12 * 60);
  const SerialDate last = LastSelectableDate().AddMinutes(12 * 60);
  for (auto _ : state) {
    double sum = 0;
    int lunation = -285;
    for (SerialDate t = first; t <= last; t = t.AddDays(1)) {
      sum += PhaseJulianDay(lunation, kNewMoon) + MoonLongitude(t);
      lunation += (int(t.value) % 30) == 0;
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_SeriesFloorOfScan)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace selenar

BENCHMARK_MAIN();
