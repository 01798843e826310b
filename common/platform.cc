#include "common/platform.h"

#include <cstdio>
#include <cstdlib>

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
