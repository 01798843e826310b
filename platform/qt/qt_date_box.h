#pragma once
// The date box: a date edit that takes typed dates the way desktop date pickers do. A click
// selects the part (year, month, day) under it; a part that is complete (four year digits, two
// month or day digits, or one digit that cannot start a longer value) moves on to the next
// part; a digit that cannot go on the part's digits starts the part anew, so no typed digit
// is lost.
#include <QDateEdit>

namespace qtp {

class DateBox : public QDateEdit {
 public:
  explicit DateBox(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Types one digit into the current part; false when the part refused it even anew.
  bool TypeDigit(QKeyEvent* event, int digit);
  bool SendDigit(QKeyEvent* event, int digit);
  // Selects the part at position (a character index of the shown text).
  void SelectPartAt(int position);
  void SelectPart(int index);

  QString typed_;      // the digits typed into the current part since it was selected
  int typed_in_ = -1;  // the part they were typed into
};

}  // namespace qtp
