// Edit boxes: one line (QLineEdit) or many (QPlainTextEdit).
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "platform/qt/qt_key_reporter.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_typing.h"
#include "platform/qt/qt_units.h"
#include "platform/qt/qt_window_view.h"

namespace qtp {

namespace {

using ui::InputMode;

QWidget* MakeMultiLine(WindowView* view, ui::Unit& u) {
  auto* edit = new QPlainTextEdit(view->client());
  edit->setReadOnly(u.mode == InputMode::kMultiLineReadOnly);
  QObject::connect(edit, &QPlainTextEdit::textChanged, view, [view, edit, &u] {
    if (view->Live()) ui::user::Type(u, S(edit->toPlainText()));
  });
  return edit;
}

// What a one-line box of the mode takes as typed.
TypedKind TypedKindOf(InputMode mode) {
  if (mode == InputMode::kInteger) return TypedKind::kInteger;
  if (mode == InputMode::kDecimal) return TypedKind::kDecimal;
  return TypedKind::kText;
}

QWidget* MakeOneLine(WindowView* view, ui::Unit& u) {
  auto* edit = new QLineEdit(view->client());
  if (u.mode == InputMode::kPassword) {
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet("lineedit-password-character: 42");  // '*'
  }
  edit->setReadOnly(u.mode == InputMode::kReadOnly);
  TakeTypedText(edit, TypedKindOf(u.mode), ui::TextBytesAt(u));
  QObject::connect(edit, &QLineEdit::textEdited, view, [view, &u](const QString& text) {
    if (view->Live()) ui::user::Type(u, S(text));
  });
  // The model may have normalised what was typed (an integer box): show its text when done.
  QObject::connect(edit, &QLineEdit::editingFinished, view, [view, &u] {
    if (view->Live()) ApplyUnit(u, ui::Prop::kText);
  });
  return edit;
}

bool IsMultiLine(InputMode mode) {
  return mode == InputMode::kMultiLine || mode == InputMode::kMultiLineReadOnly;
}

}  // namespace

QWidget* MakeEditWidget(WindowView* view, ui::Unit& u) {
  QWidget* widget = IsMultiLine(u.mode) ? MakeMultiLine(view, u) : MakeOneLine(view, u);
  new KeyReporter(view, u, widget, false);
  return widget;
}

void ApplyEditProp(ui::Unit& u, ui::Prop what) {
  if (what != ui::Prop::kText) return;
  QObject* object = static_cast<QObject*>(u.realisation);
  const QString text = Q(u.text);
  if (auto* line = qobject_cast<QLineEdit*>(object)) {
    if (line->text() != text) line->setText(text);
  } else if (auto* many = qobject_cast<QPlainTextEdit*>(object)) {
    if (many->toPlainText() == text) return;
    many->setPlainText(text);
    many->moveCursor(QTextCursor::End);  // appended text shows its end
    many->ensureCursorVisible();
  }
}

}  // namespace qtp
