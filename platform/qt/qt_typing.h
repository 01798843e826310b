#pragma once
// What one-line boxes and grid cell editors take as typed: the characters of their kind (with
// full-width digits, signs and points made half-width, as Chinese input methods type them) and
// no more GBK bytes than the text field the text goes into holds. A character refused in a
// number box shows the desktop's balloon at the box.
#include <QLineEdit>
#include <QValidator>

namespace qtp {

enum class TypedKind { kText, kInteger, kDecimal, kDate };

class TypedTextValidator : public QValidator {
 public:
  // max_bytes 0: no limit.
  TypedTextValidator(TypedKind kind, int max_bytes, QObject* parent);
  State validate(QString& input, int& pos) const override;
  TypedKind kind() const { return kind_; }

 private:
  TypedKind kind_;
  int max_bytes_;
};

// Makes edit take what the kind and the byte limit allow (nothing to do for plain text
// without a limit); a refused character shows "只能输入数字" at a number box; what goes past
// the limit is cut from what was put in, with the desktop's beep.
void TakeTypedText(QLineEdit* edit, TypedKind kind, int max_bytes);

// The text shown in the balloon of a number box that refused a character.
inline constexpr char kOnlyDigits[] = "只能输入数字";

}  // namespace qtp
