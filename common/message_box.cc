// Message boxes over the platform, with the result codes the programs test.
#include "common/message_box.h"

#include "common/platform.h"
#include "common/text.h"

namespace {

constexpr int kSystemModal = 0x1000, kTaskModal = 0x2000;

// The platform's button id (1 OK ... 7 No) as the result code (0 OK ... 6 No).
int ResultOf(int button_id) { return button_id >= 1 && button_id <= 7 ? button_id - 1 : kIdOk; }

}  // namespace

int ShowMessageBox(const std::string& message, int flags, const std::string& title) {
  if (!(flags & kSystemModal)) flags |= kTaskModal;
  return ResultOf(CurrentPlatform().MessageBox(message, flags, title));
}

int ShowMessageBox(const char* message, int flags, const std::string& title) {
  return ShowMessageBox(std::string(message ? message : ""), flags, title);
}

int ShowMessageBox(const Value& message, int flags, const std::string& title) {
  return ShowMessageBox(ToText(message), flags, title);
}
