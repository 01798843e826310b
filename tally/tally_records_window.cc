// The saved-tally list window: one item per saved tally; a double-click reloads it into the
// tally window, the pop-up menu deletes one, the button deletes them all.
#include "common/files.h"
#include "common/grid/grid_file.h"
#include "common/grid/grid_ops.h"
#include "common/message_box.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/text.h"
#include "tally/tally_compute.h"
#include "tally/tally_records.h"
#include "tally/tally_window.h"

namespace {

using R = TallyRecordsWindow;
using W = TallyWindow;

Value Field(const RecordField& field) { return ReadField(field.name); }

// Yes/No with the question icon under "询问："; true for Yes.
bool AskYes(const std::string& question) {
  return ShowMessageBox(question, kMbYesNo | kMbIconQuestion, "询问：") == kIdYes;
}

void SelectLayoutOption(bool single) {
  ui::SetChecked(W::SingleLayoutOption, single);
  ui::SetChecked(W::DoubleLayoutOption, !single);
}

ui::WindowDecl MakeTallyRecordsWindowDecl() {
  ui::WindowDecl d;
  d.name = R::kName;
  d.rect = {0, 0, 414, 331};
  ui::UnitDecl list = ui::Declare(R::TallyRecordList, {0, 0, 400, 232});
  list.Items({"日期", "单位名称", "扣件", "钢管"});
  list.item_widths = {110, 130, 70, 90};
  d.units = {list, ui::Declare(R::按钮1, {136, 244, 128, 36}).Text("清空所有数据")};
  ui::MenuDecl entry;
  entry.caption = "删除本条";
  entry.name = R::删除本条.name;
  ui::MenuDecl menu;
  menu.caption = "删除";
  menu.name = R::删除.name;
  menu.visible = false;
  menu.items = {entry};
  d.menu = {menu};
  d.bindings = {
      ui::BindWindow(ui::Event::kCreated, TallyRecordsWindow_OnCreated),
      ui::Bind(R::TallyRecordList, ui::Event::kItemDoubleClick,
               TallyRecordsWindow_OnListDoubleClick),
      ui::Bind(R::TallyRecordList, ui::Event::kItemRightClick, TallyRecordsWindow_OnListRightClick),
      ui::Bind(R::删除本条, ui::Event::kClick, TallyRecordsWindow_OnMenuDeleteEntry),
      ui::Bind(R::按钮1, ui::Event::kClick, TallyRecordsWindow_OnClearAllClick),
  };
  return d;
}

ByteSet GridBytes() {
  Value bytes = Field(kTallyGrid);
  ByteSet* set = std::get_if<ByteSet>(&bytes);
  return set ? std::move(*set) : ByteSet{};
}

// Loads the record's grid file through "2.tmp"; when that file cannot be written (or there is
// no temporary folder of the user's own) the bytes are loaded from memory, so that an earlier
// reload's file left there is never loaded instead.
void LoadGridFile(const ByteSet& bytes) {
  const std::string folder = GetSpecialFolder(11);
  if (!folder.empty() && WriteBinaryToFile(folder + "2.tmp", bytes)) {
    ImportGridFromFile(W::TallyGrid, folder + "2.tmp");
  } else if (ImportGrid(&ui::Grid(W::TallyGrid), bytes)) {
    ui::GridTouched(W::TallyGrid);
  }
}

}  // namespace

const ui::WindowDecl& TallyRecordsWindowDecl() {
  static const ui::WindowDecl decl = MakeTallyRecordsWindowDecl();
  return decl;
}

void TallyWindow_OnOpenRecordsClick() { ui::LoadWindow(TallyRecordsWindowDecl(), true); }

void TallyRecordsWindow_OnCreated() { FillTallyRecordList(); }

void FillTallyRecordList() {
  ui::ClearListView(R::TallyRecordList);
  const int n = GetRecordCount();
  for (int i = 1; i <= n; ++i) {
    GoToRecord(i);
    ui::InsertListViewItem(R::TallyRecordList);
    ui::SetListViewItemText(R::TallyRecordList, i - 1, 0, ToText(Field(kTallyDate)));
    ui::SetListViewItemText(R::TallyRecordList, i - 1, 1, ToText(Field(kTallyUnitName)));
    ui::SetListViewItemText(R::TallyRecordList, i - 1, 2, ToText(Field(kTallyFasteners)));
    ui::SetListViewItemText(R::TallyRecordList, i - 1, 3, ToText(Field(kTallyMetres)));
  }
}

void TallyRecordsWindow_OnListDoubleClick() {
  const int k = ui::GetListViewSelected(R::TallyRecordList);
  if (k == -1) return;
  GoToRecord(k + 1);
  const ByteSet bytes = GridBytes();
  const Value single = Field(kTallySingleLayout);
  LayoutIsSingle = std::get_if<bool>(&single) && std::get<bool>(single);
  SetGridRowCount(W::TallyGrid, 1);
  SetGridColumnCount(W::TallyGrid, 1);
  ui::SetText(W::UnitNameBox, ToText(Field(kTallyUnitName)));
  SelectLayoutOption(LayoutIsSingle);
  LoadGridFile(bytes);
  RecomputeTally();
}

void TallyRecordsWindow_OnListRightClick() { ui::PopupMenu(R::self, R::删除.name); }

void TallyRecordsWindow_OnMenuDeleteEntry() {
  const int k = ui::GetListViewSelected(R::TallyRecordList);
  if (k == -1 || !AskYes("是否要删除这条记录！")) return;
  GoToRecord(k + 1);
  DeleteRecord();
  PurgeDeletedRecords();
  FillTallyRecordList();
}

void TallyRecordsWindow_OnClearAllClick() {
  if (!AskYes("你确定要清空所有数据！")) return;
  ClearTable();
  FillTallyRecordList();
}
