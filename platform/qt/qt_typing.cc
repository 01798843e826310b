#include "platform/qt/qt_typing.h"

#include <QApplication>
#include <QRegularExpression>

#include "common/text.h"
#include "platform/qt/qt_balloon.h"
#include "platform/qt/qt_text.h"

namespace qtp {

namespace {

constexpr int kBalloonMs = 4000;

// The whole text the kind takes; nullptr for any.
const QRegularExpression* PatternOf(TypedKind kind) {
  using R = QRegularExpression;
  static const R integer(R::anchoredPattern("-?[0-9]*"));
  static const R decimal(R::anchoredPattern("-?[0-9]*\\.?[0-9]*"));
  static const R date(R::anchoredPattern("[0-9/-]*"));
  switch (kind) {
    case TypedKind::kInteger:
      return &integer;
    case TypedKind::kDecimal:
      return &decimal;
    case TypedKind::kDate:
      return &date;
    default:
      return nullptr;
  }
}

// Full-width forms (U+FF01..U+FF5E) as their ASCII characters, one for one.
void MakeHalfWidth(QString& text) {
  for (QChar& ch : text) {
    if (ch.unicode() >= 0xFF01 && ch.unicode() <= 0xFF5E) ch = QChar(ch.unicode() - 0xFEE0);
  }
}

}  // namespace

TypedTextValidator::TypedTextValidator(TypedKind kind, int max_bytes, QObject* parent)
    : QValidator(parent), kind_(kind), max_bytes_(max_bytes) {}

// Text beyond the byte limit is cut from what was just put in (it ends at the caret), as the
// desktop's boxes cut what is typed or pasted into a full box.
QValidator::State TypedTextValidator::validate(QString& input, int& pos) const {
  if (const QRegularExpression* pattern = PatternOf(kind_)) {
    MakeHalfWidth(input);
    if (!pattern->match(input).hasMatch()) return Invalid;
  }
  if (max_bytes_ <= 0 || GetTextLength(S(input)) <= max_bytes_) return Acceptable;
  while (pos > 0 && GetTextLength(S(input)) > max_bytes_) {
    const int n = pos > 1 && input.at(pos - 1).isLowSurrogate() ? 2 : 1;
    input.remove(pos - n, n);
    pos -= n;
  }
  QApplication::beep();
  return GetTextLength(S(input)) <= max_bytes_ ? Acceptable : Invalid;
}

void TakeTypedText(QLineEdit* edit, TypedKind kind, int max_bytes) {
  if (kind == TypedKind::kText && max_bytes <= 0) return;
  edit->setValidator(new TypedTextValidator(kind, max_bytes, edit));
  if (kind == TypedKind::kText) return;
  QObject::connect(edit, &QLineEdit::inputRejected, edit, [edit] {
    const QPoint caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    BalloonOf(edit)->ShowAt(edit->mapToGlobal(QPoint(caret.x(), edit->height() - 2)),
                            QString::fromUtf8(kOnlyDigits), kBalloonMs);
  });
}

}  // namespace qtp
