#include "platform/qt/qt_grid_delegate.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "platform/qt/qt_grid_table.h"
#include "platform/qt/qt_text.h"

namespace qtp {

namespace {

const ColumnKind* KindOf(const QModelIndex& index) {
  auto* table = dynamic_cast<const GridTable*>(index.model());
  const GridModel* m = table ? table->grid() : nullptr;
  return m ? m->Kind(index.column()) : nullptr;
}

bool IsChoiceType(int type) { return type == 4 || type == 8; }

QWidget* MakeChoiceEditor(QWidget* parent, const ColumnKind& kind, const GridDelegate* delegate) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(kind.type == 4);  // 4 also takes typed text; 8 only its choices
  for (const std::string& choice : kind.choices) combo->addItem(Q(choice));
  // A choice taken is the whole edit.
  QObject::connect(combo, &QComboBox::activated, delegate, [delegate, combo] {
    emit const_cast<GridDelegate*>(delegate)->commitData(combo);
    emit const_cast<GridDelegate*>(delegate)->closeEditor(combo);
  });
  return combo;
}

}  // namespace

const char* CellPattern(int type) {
  if (type == 2) return "-?[0-9]*\\.?[0-9]*";
  if (type == 3) return "[0-9/-]*";
  return nullptr;
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
  QWidget* editor = MakeEditor(parent, index);
  if (on_editor_) on_editor_(editor);
  return editor;
}

QWidget* GridDelegate::MakeEditor(QWidget* parent, const QModelIndex& index) const {
  const ColumnKind* kind = KindOf(index);
  if (kind && IsChoiceType(kind->type)) return MakeChoiceEditor(parent, *kind, this);
  auto* edit = new QLineEdit(parent);
  edit->setFrame(false);
  if (const char* pattern = kind ? CellPattern(kind->type) : nullptr) {
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
  }
  return edit;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  const QString text = index.data(Qt::EditRole).toString();
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    const int at = combo->findText(text);
    combo->setCurrentIndex(at);
    if (combo->isEditable()) combo->setEditText(text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    edit->setText(text);
  }
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
  QString text;
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    if (!combo->isEditable() && combo->currentIndex() < 0) return;
    text = combo->currentText();
  } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    text = edit->text();
  }
  if (text == index.data(Qt::EditRole).toString()) return;  // nothing was changed
  model->setData(index, text, Qt::EditRole);
}

}  // namespace qtp
