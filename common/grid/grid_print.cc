// Printing and previewing a grid through the realisation in use.
#include "common/files.h"
#include "common/grid/grid_access.h"
#include "common/grid/grid_ops.h"
#include "common/message_box.h"
#include "common/platform.h"

namespace {

// Prints or previews; the realisation's failures, and where a print without a printer went,
// are shown to the user.
bool Print(ui::GridRef g, bool preview) {
  ui::Unit* u = ui::FindUnit(g);
  if (!u || !u->grid) return false;
  int result = CurrentPlatform().Windows().PrintGrid(*u, preview);
  if (result == 1) ShowMessageBox("打印机初始化出错,请检查打印设置!", kMbIconStop, "错误");
  if (result == 2) ShowMessageBox("打印表格出错,请检查打印设置或稍候重试!", kMbIconStop, "错误");
  if (result == 3) {
    ShowMessageBox("没有安装打印机，表格已打印到文件：" + GridPrintFile(), kMbIconInformation);
  }
  return result == 0 || result == 3;
}

}  // namespace

bool PrintGrid(ui::GridRef g) { return Print(g, false); }

bool PrintPreviewGrid(ui::GridRef g) { return Print(g, true); }

std::string GridPrintFile() { return GetRunDirectory() + "/grid.pdf"; }

bool KeepGridRowWithNext(ui::GridRef g, int row) {
  GridModel* m = grid_internal::Model(g);
  return m && m->SetKeepWithNext(row, true);
}
