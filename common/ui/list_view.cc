// Report-style list views.
#include "common/ui/framework_state.h"

namespace ui {
using namespace internal;

int InsertListViewItem(ListViewRef r, int position, const std::string& text) {
  Unit* u = FindUnit(r);
  if (!u) return -1;
  int count = static_cast<int>(u->rows.size());
  int at = position < 0 || position > count ? count : position;
  u->rows.insert(u->rows.begin() + at, ListViewItem{{text}});
  if (u->selected >= at) ++u->selected;
  Notify(*u->window, u, Prop::kRows);
  return at;
}

// A column beyond the headings (when there are headings) is refused.
bool SetListViewItemText(ListViewRef r, int item, int column, const std::string& text) {
  Unit* u = FindUnit(r);
  if (!u || item < 0 || item >= static_cast<int>(u->rows.size()) || column < 0) return false;
  if (!u->items.empty() && column >= static_cast<int>(u->items.size())) return false;
  auto& cells = u->rows[item].cells;
  if (static_cast<int>(cells.size()) <= column) cells.resize(column + 1);
  cells[column] = text;
  Notify(*u->window, u, Prop::kRows);
  return true;
}

void ClearListView(ListViewRef r) {
  Unit* u = FindUnit(r);
  if (!u) return;
  u->rows.clear();
  u->selected = -1;
  Notify(*u->window, u, Prop::kRows);
}

int GetListViewSelected(ListViewRef r) {
  Unit* u = FindUnit(r);
  return u ? u->selected : -1;
}

}  // namespace ui
