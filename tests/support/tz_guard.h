#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "engine/time_zone.h"

namespace selenar::testing {

// Sets TZ for the scope of a test and restores the previous value after it.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) previous_ = old;
    setenv("TZ", zone, 1);
    ReloadSystemTimeZone();
  }
  ~ScopedTimeZone() {
    if (previous_) {
      setenv("TZ", previous_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    ReloadSystemTimeZone();
  }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  std::optional<std::string> previous_;
};

}  // namespace selenar::testing
