#include "platform/qt/qt_grid_keys.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

#include "platform/qt/qt_key_reporter.h"
#include "platform/qt/qt_window_view.h"

namespace qtp {

namespace {

// A key that types a character (no shortcut with Ctrl, Alt or Meta).
bool Types(const QKeyEvent* key) {
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  return !key->text().isEmpty() && key->text().at(0).isPrint();
}

bool Editable(const QModelIndex& at) {
  return at.isValid() && (at.flags() & Qt::ItemIsEditable) && (at.flags() & Qt::ItemIsEnabled);
}

// The line the editor types into (a line edit, or the line of an editable list).
QLineEdit* LineOf(QWidget* editor) {
  if (auto* line = qobject_cast<QLineEdit*>(editor)) return line;
  auto* combo = qobject_cast<QComboBox*>(editor);
  return combo ? combo->lineEdit() : nullptr;
}

}  // namespace

GridKeys::GridKeys(WindowView* view, ui::Unit& u, QTableView* table)
    : QObject(table), view_(view), unit_(u), table_(table) {
  table->installEventFilter(this);
}

bool GridKeys::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::InputMethod) return false;
  if (watched != table_ || !view_->Live()) return false;
  if (table_->indexWidget(table_->currentIndex())) return false;  // its editor has the keys
  if (type == QEvent::InputMethod) {
    auto* typed = static_cast<QInputMethodEvent*>(event);
    if (typed->commitString().isEmpty() && typed->preeditString().isEmpty()) return false;
    StartEditing(event);
    return true;  // as a key: no search for a cell that starts with the text
  }
  auto* key = static_cast<QKeyEvent*>(event);
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Return();
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
      return Clear();
    default:
      if (!Types(key)) return false;
      StartEditing(event);
      return true;  // a character never searches the grid for a cell that starts with it
  }
}

void GridKeys::StartEditing(QEvent* event) {
  const QModelIndex at = table_->currentIndex();
  if (!Editable(at)) return;
  table_->edit(at);
  QWidget* editor = table_->indexWidget(at);
  if (!editor) return;
  QLineEdit* line = LineOf(editor);
  if (line) line->selectAll();  // the key takes the place of the cell's text
  QWidget* target = line ? line : editor;
  ForwardedKey already_reported;
  QApplication::sendEvent(target, event);
}

bool GridKeys::Clear() {
  const QModelIndex at = table_->currentIndex();
  if (!Editable(at)) return false;
  if (!at.data(Qt::EditRole).toString().isEmpty()) {
    ui::user::GridEdit(unit_, at.row(), at.column(), "");
  }
  return true;
}

bool GridKeys::Return() {
  const QModelIndex at = table_->currentIndex();
  if (!at.isValid()) return false;
  ui::user::GridReturn(unit_, at.row(), at.column(), std::nullopt);
  return true;
}

}  // namespace qtp
