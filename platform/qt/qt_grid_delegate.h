#pragma once
// The in-place editors of grid cells, per column kind: numbers, dates, drop-down choices.
#include <QStyledItemDelegate>
#include <functional>

namespace qtp {

class GridDelegate : public QStyledItemDelegate {
 public:
  // on_editor is given each editor made (so that its keys can be reported).
  GridDelegate(QObject* parent, std::function<void(QWidget*)> on_editor)
      : QStyledItemDelegate(parent), on_editor_(std::move(on_editor)) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

 private:
  QWidget* MakeEditor(QWidget* parent, const QModelIndex& index) const;

  std::function<void(QWidget*)> on_editor_;
};

// The characters a cell of the column type accepts as typed; nullptr for any.
const char* CellPattern(int type);

}  // namespace qtp
