// The script's grid steps: the user's clicks, edits, choices and keys on a grid unit.
#include "platform/scripted/scripted_platform.h"

namespace {

std::string Cell(int row, int col) {
  return "(" + std::to_string(row) + ", " + std::to_string(col) + ")";
}

}  // namespace

ScriptedPlatform& ScriptedPlatform::ClickCell(ui::GridRef g, int row, int col) {
  return Act(g.window, g.name, "click cell " + Cell(row, col) + " of " + Where(g.window, g.name),
             [row, col](ui::Unit& u) { return ui::user::GridClick(u, row, col); });
}

ScriptedPlatform& ScriptedPlatform::TypeCell(ui::GridRef g, int row, int col,
                                             const std::string& text) {
  return Act(g.window, g.name,
             "type \"" + text + "\" into cell " + Cell(row, col) + " of " + Where(g.window, g.name),
             [row, col, text](ui::Unit& u) { return ui::user::GridEdit(u, row, col, text); });
}

ScriptedPlatform& ScriptedPlatform::ChooseCell(ui::GridRef g, int row, int col,
                                               const std::string& choice) {
  return Act(
      g.window, g.name,
      "choose \"" + choice + "\" in cell " + Cell(row, col) + " of " + Where(g.window, g.name),
      [row, col, choice](ui::Unit& u) { return ui::user::GridChoose(u, row, col, choice); });
}

ScriptedPlatform& ScriptedPlatform::ReturnInCell(ui::GridRef g, int row, int col,
                                                 std::optional<std::string> text) {
  const std::string typed = text ? "type \"" + *text + "\" and " : "";
  return Act(g.window, g.name,
             typed + "press Return in cell " + Cell(row, col) + " of " + Where(g.window, g.name),
             [row, col, text](ui::Unit& u) { return ui::user::GridReturn(u, row, col, text); });
}

ScriptedPlatform& ScriptedPlatform::GridChar(ui::GridRef g, int code) {
  return Act(g.window, g.name, "char " + std::to_string(code) + " on " + Where(g.window, g.name),
             [code](ui::Unit& u) { return ui::user::GridChar(u, code); });
}

ScriptedPlatform& ScriptedPlatform::GridKey(ui::GridRef g, int code) {
  return Act(g.window, g.name, "key " + std::to_string(code) + " on " + Where(g.window, g.name),
             [code](ui::Unit& u) { return ui::user::GridKey(u, code); });
}

ScriptedPlatform& ScriptedPlatform::GridRightUp(ui::GridRef g, int row, int col) {
  return Act(g.window, g.name,
             "right button up on cell " + Cell(row, col) + " of " + Where(g.window, g.name),
             [row, col](ui::Unit& u) { return ui::user::GridRightUp(u, row, col); });
}
