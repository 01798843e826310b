#include "common/platform.h"

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {
Platform* g_platform = nullptr;
}

Platform& CurrentPlatform() {
  if (!g_platform) {
    std::fprintf(stderr, "no platform installed\n");
    std::abort();
  }
  return *g_platform;
}

void InstallPlatform(Platform* platform) { g_platform = platform; }

DateTime ClockNow() {
  if (g_platform) return g_platform->Now();
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return DateTime{static_cast<double>(t + tm.tm_gmtoff) / 86400.0 + 25569.0};
}
