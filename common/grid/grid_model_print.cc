// The print settings of the grid model.
#include "common/grid/grid_model.h"

namespace {
bool ValidPosition(int position) { return position >= 0 && position <= 3; }
}  // namespace

bool GridModel::SetPrintTitle(PrintTitle title) {
  if (title.alignment < 1 || title.alignment > 3 || title.size < 1) return false;
  settings.title = std::move(title);
  return true;
}

bool GridModel::SetPageOption(int item, int value) {
  if (item < 1 || item > 7) return false;
  settings.page_options[item - 1] = value;
  return true;
}

bool GridModel::SetPrintDatePosition(int position) {
  if (!ValidPosition(position)) return false;
  settings.print_date_position = position;
  return true;
}

bool GridModel::SetPageNumberPosition(int position) {
  if (!ValidPosition(position)) return false;
  settings.page_number_position = position;
  return true;
}

bool GridModel::SetKeepWithNext(int r, bool on) {
  if (r < 0 || r >= rows_) return false;
  if (on) {
    settings.keep_with_next.insert(r);
  } else {
    settings.keep_with_next.erase(r);
  }
  return true;
}

bool GridModel::KeepsWithNext(int r) const { return settings.keep_with_next.count(r) > 0; }
