// The help window: a short text that the right mouse button brings up; it grows a little
// once, 25 ms after it opens.
#include "tally/tally_commands.h"

namespace {

using H = HelpWindow;

constexpr int kGrowStep = 10;
constexpr int kGrownHeight = 266;
constexpr int kRightButton = 2;

ui::WindowDecl MakeHelpWindowDecl() {
  ui::WindowDecl d;
  d.name = H::kName;
  d.caption = "帮助";
  d.rect = {50, 50, 397, 264};
  d.units = {
      ui::Declare(H::编辑框1, {8, 8, 376, 224})
          .Mode(ui::InputMode::kMultiLineReadOnly)
          .Text(HelpText()),
      ui::Declare(H::GrowTimer, {0, 0, 0, 0}),
  };
  d.bindings = {
      ui::BindWindow(ui::Event::kCreated, HelpWindow_OnCreated),
      ui::Bind(H::GrowTimer, ui::Event::kTick, HelpWindow_OnGrowTimer),
  };
  return d;
}

void OpenHelpWindow() { ui::LoadWindow(HelpWindowDecl(), true); }

}  // namespace

std::string HelpText() {
  return "  帮助：\r\n"
         "      你只需要在钢管数量上填写根数，按回车键会自动跳至下一行，其结果会自动计算出来,"
         "软件还会自动保存码单数据。方便随时随地查看记录。\r\n"
         "\r\n"
         "                    QQ：000000000  电话：10000000000\r\n"
         "                                        2014年3月30日\r\n"
         "                                        墨川租赁软件";
}

const ui::WindowDecl& HelpWindowDecl() {
  static const ui::WindowDecl decl = MakeHelpWindowDecl();
  return decl;
}

void TallyWindow_OnRightMouseDown(const ui::EventArgs& args) {
  if (args.code == kRightButton) OpenHelpWindow();
}
void TallyWindow_OnHelpClick() { OpenHelpWindow(); }

void HelpWindow_OnCreated() { ui::SetInterval(H::GrowTimer, 25); }

void HelpWindow_OnGrowTimer() {
  const int height =
      static_cast<int>(static_cast<double>(ui::GetWindowHeight(H::self)) + kGrowStep);
  ui::SetWindowSize(H::self, ui::GetWindowWidth(H::self), height);
  if (height > kGrownHeight) ui::SetInterval(H::GrowTimer, 0);
}
