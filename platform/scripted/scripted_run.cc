// Running a test body against the scripted platform.
#include "platform/scripted/scripted_platform.h"

bool RunScripted(ScriptedPlatform& platform, const std::function<void()>& body,
                 std::string* failure) {
  InstallPlatform(&platform);
  ui::SetBackend(&platform);
  bool ok = true;
  try {
    body();
    platform.Verify();
  } catch (const ScriptFailure& f) {
    ok = false;
    if (failure) *failure = f.what();
  }
  ui::ResetFramework();
  ui::SetBackend(nullptr);
  InstallPlatform(nullptr);
  return ok;
}
