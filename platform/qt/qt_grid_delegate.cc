#include "platform/qt/qt_grid_delegate.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

#include "platform/qt/qt_grid_table.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_typing.h"

namespace qtp {

namespace {

// The cell an editor edits, and whether Return has ended it.
constexpr char kRow[] = "rent_row";
constexpr char kColumn[] = "rent_column";
constexpr char kEnded[] = "rent_ended";

const ColumnKind* KindOf(const QModelIndex& index) {
  auto* table = dynamic_cast<const GridTable*>(index.model());
  const GridModel* m = table ? table->grid() : nullptr;
  return m ? m->Kind(index.column()) : nullptr;
}

bool IsChoiceType(int type) { return type == 4 || type == 8; }

// What a cell of the column type takes as typed.
TypedKind TypedKindOf(const ColumnKind* kind) {
  if (kind && kind->type == 2) return TypedKind::kDecimal;
  if (kind && kind->type == 3) return TypedKind::kDate;
  return TypedKind::kText;
}

QComboBox* MakeChoiceEditor(QWidget* parent, const ColumnKind& kind, const GridDelegate* delegate) {
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

// The text the editor would store; none when it has none (a list without a choice).
std::optional<QString> EditorText(QWidget* editor) {
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    if (!combo->isEditable() && combo->currentIndex() < 0) return std::nullopt;
    return combo->currentText();
  }
  if (auto* edit = qobject_cast<QLineEdit*>(editor)) return edit->text();
  return std::nullopt;
}

bool IsReturn(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
  QWidget* editor = MakeEditor(parent, index);
  editor->setProperty(kRow, index.row());
  editor->setProperty(kColumn, index.column());
  if (hooks_.made) hooks_.made(editor);
  return editor;
}

QWidget* GridDelegate::MakeEditor(QWidget* parent, const QModelIndex& index) const {
  const ColumnKind* kind = KindOf(index);
  const int bytes = hooks_.bytes ? hooks_.bytes(index.row(), index.column()) : 0;
  if (kind && IsChoiceType(kind->type)) {
    QComboBox* combo = MakeChoiceEditor(parent, *kind, this);
    if (combo->lineEdit()) TakeTypedText(combo->lineEdit(), TypedKind::kText, bytes);
    return combo;
  }
  auto* edit = new QLineEdit(parent);
  edit->setFrame(false);
  // The text is edited where the cell shows it (a centred quantity stays centred).
  const auto aligned = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
  edit->setAlignment((aligned & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
  TakeTypedText(edit, TypedKindOf(kind), bytes);
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
  if (editor->property(kEnded).toBool()) return;  // Return has stored it already
  const std::optional<QString> text = EditorText(editor);
  if (!text || *text == index.data(Qt::EditRole).toString()) return;  // nothing was changed
  model->setData(index, *text, Qt::EditRole);
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event) {
  auto* editor = qobject_cast<QWidget*>(object);
  if (editor && editor->property(kEnded).toBool()) return false;
  if (editor && IsReturn(event)) {
    QPointer<QWidget> alive(editor);
    QMetaObject::invokeMethod(
        this,
        [this, alive] {
          if (alive) EndWithReturn(alive);
        },
        Qt::QueuedConnection);
    return false;
  }
  return QStyledItemDelegate::eventFilter(object, event);
}

void GridDelegate::EndWithReturn(QWidget* editor) {
  if (editor->property(kEnded).toBool()) return;
  const std::optional<QString> text = EditorText(editor);
  editor->setProperty(kEnded, true);
  emit closeEditor(editor, QAbstractItemDelegate::NoHint);
  if (hooks_.returned)
    hooks_.returned(editor->property(kRow).toInt(), editor->property(kColumn).toInt(), text);
}

}  // namespace qtp
