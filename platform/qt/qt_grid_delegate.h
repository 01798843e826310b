#pragma once
// The in-place editors of grid cells, per column kind: numbers, dates, drop-down choices.
#include <QStyledItemDelegate>

namespace qtp {

class GridDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
};

// The characters a cell of the column type accepts as typed; nullptr for any.
const char* CellPattern(int type);

}  // namespace qtp
