#pragma once
// The in-place editors of grid cells, per column kind: numbers, dates, drop-down choices; the
// text cells of a text field take no more GBK bytes than it holds.
#include <QStyledItemDelegate>
#include <functional>
#include <optional>

namespace qtp {

// What the grid unit tells the delegate and is told by it.
struct GridEditorHooks {
  std::function<void(QWidget*)> made;          // each editor made (so that its keys are reported)
  std::function<int(int row, int col)> bytes;  // the cell's byte limit, 0 for none
  // Return pressed in the editor of the cell, with the editor's text (none when it has none to
  // give); the editor has been closed without storing anything.
  std::function<void(int row, int col, std::optional<QString> text)> returned;
};

class GridDelegate : public QStyledItemDelegate {
 public:
  GridDelegate(QObject* parent, GridEditorHooks hooks)
      : QStyledItemDelegate(parent), hooks_(std::move(hooks)) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

 protected:
  // Return ends the edit through hooks.returned, after the editor and the key's reports have
  // seen the key; the rest as the styled delegate does.
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  QWidget* MakeEditor(QWidget* parent, const QModelIndex& index) const;
  void EndWithReturn(QWidget* editor);

  GridEditorHooks hooks_;
};

}  // namespace qtp
