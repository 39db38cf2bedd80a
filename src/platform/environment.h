// Inside the layer: the environment the test surface can fix (work area, dpi, today, the clock).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/platform.h"

namespace pf::detail {

struct Environment {
  std::optional<Rect> workArea;
  std::optional<int> dpiY;
  std::optional<Date> todayLocal, todayUtc;
  bool virtualClock = false;
  std::int64_t virtualNow = 0;
  std::function<void(std::int64_t)> delayHook;
};
Environment& Env();
// Ends the application object (the last step of ShutdownPlatform).
void DestroyApplication();

}  // namespace pf::detail
