#pragma once
// The keys of a grid unit's table while no cell editor is open, as on the desktop grid: a
// printable key (or an input method's text) on the cursor cell starts editing it with that key
// in place of its text; Delete and Backspace empty it; Return moves the cursor on.
#include <QObject>

#include "common/ui/ui.h"

class QTableView;

namespace qtp {

class WindowView;

class GridKeys : public QObject {
 public:
  // Watches table for unit u; install it before the key reporter, which then reports each key
  // before it acts.
  GridKeys(WindowView* view, ui::Unit& u, QTableView* table);
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Opens the cursor cell's editor (an editable cell only) and types the key or text into it.
  void StartEditing(QEvent* event);
  bool Clear();
  bool Return();

  WindowView* view_;
  ui::Unit& unit_;
  QTableView* table_;
};

}  // namespace qtp
