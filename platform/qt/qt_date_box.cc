#include "platform/qt/qt_date_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace qtp {

namespace {

// The digit a key types (full-width digits too), -1 for none.
int DigitOf(const QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return -1;
  const QString text = event->text();
  if (text.size() != 1) return -1;
  const char16_t ch = text.at(0).unicode();
  if (ch >= u'0' && ch <= u'9') return ch - u'0';
  if (ch >= u'０' && ch <= u'９') return ch - u'０';
  return -1;
}

bool IsDatePart(QDateTimeEdit::Section part) {
  return part == QDateTimeEdit::YearSection || part == QDateTimeEdit::MonthSection ||
         part == QDateTimeEdit::DaySection;
}

// The largest value of the part and the most digits it takes.
int Largest(QDateTimeEdit::Section part) {
  if (part == QDateTimeEdit::YearSection) return 9999;
  return part == QDateTimeEdit::MonthSection ? 12 : 31;
}
int Width(QDateTimeEdit::Section part) { return part == QDateTimeEdit::YearSection ? 4 : 2; }

// Whether the digits can stand in the part, or begin what can.
bool Fits(QDateTimeEdit::Section part, const QString& digits) {
  if (digits.size() > Width(part)) return false;
  const int value = digits.toInt();
  return value <= Largest(part) &&
         (value > 0 || digits.size() < Width(part) || part == QDateTimeEdit::YearSection);
}

// Whether no further digit can go on the part's digits.
bool Complete(QDateTimeEdit::Section part, const QString& digits) {
  return digits.size() >= Width(part) || digits.toInt() * 10 > Largest(part);
}

// The runs of digits of the shown text: one per part, in order.
std::vector<std::pair<int, int>> DigitRuns(const QString& text) {
  std::vector<std::pair<int, int>> runs;
  for (int i = 0; i < text.size(); ++i) {
    if (!text.at(i).isDigit()) continue;
    int end = i;
    while (end < text.size() && text.at(end).isDigit()) ++end;
    runs.emplace_back(i, end);
    i = end;
  }
  return runs;
}

}  // namespace

DateBox::DateBox(QWidget* parent) : QDateEdit(parent) {
  setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
  lineEdit()->installEventFilter(this);
}

void DateBox::keyPressEvent(QKeyEvent* event) {
  const int digit = DigitOf(event);
  if (digit < 0 || !IsDatePart(currentSection())) {
    typed_.clear();
    QDateEdit::keyPressEvent(event);
    return;
  }
  if (!TypeDigit(event, digit)) QApplication::beep();
}

bool DateBox::TypeDigit(QKeyEvent* event, int digit) {
  const int index = currentSectionIndex();
  const Section part = currentSection();
  if (typed_in_ != index) typed_.clear();
  QString digits = typed_ + QChar(u'0' + digit);
  const bool anew = Complete(part, typed_) || !Fits(part, digits);
  if (anew || typed_.isEmpty()) {
    digits = QString(QChar(u'0' + digit));
    SelectPart(index);  // the digit takes the place of the part's text
  }
  if (!SendDigit(event, digit)) {
    if (typed_.isEmpty() || anew) return false;
    digits = QString(QChar(u'0' + digit));  // the part refused the longer value: start it anew
    SelectPart(index);
    if (!SendDigit(event, digit)) return false;
  }
  typed_ = digits;
  typed_in_ = index;
  if (currentSectionIndex() != index || !Complete(part, digits)) return true;
  if (index + 1 < sectionCount()) {
    SelectPart(index + 1);
  } else {
    SelectPart(index);  // the last part: a further digit starts it anew
    typed_ = digits;
    typed_in_ = index;
  }
  return true;
}

bool DateBox::SendDigit(QKeyEvent* event, int digit) {
  const QString before = lineEdit()->text();
  const bool selected = lineEdit()->hasSelectedText();
  QKeyEvent key(QEvent::KeyPress, Qt::Key_0 + digit, event->modifiers(),
                QString(QChar(u'0' + digit)));
  QDateEdit::keyPressEvent(&key);
  return lineEdit()->text() != before || selected != lineEdit()->hasSelectedText();
}

void DateBox::SelectPart(int index) {
  setCurrentSectionIndex(index);
  setSelectedSection(sectionAt(index));
  if (typed_in_ != index) typed_.clear();
}

void DateBox::SelectPartAt(int position) {
  const auto runs = DigitRuns(lineEdit()->text());
  int index = 0;
  for (int i = 0; i < static_cast<int>(runs.size()); ++i) {
    if (position >= runs[i].first) index = i;
  }
  typed_.clear();
  typed_in_ = -1;
  SelectPart(std::min(index, sectionCount() - 1));
}

void DateBox::focusInEvent(QFocusEvent* event) {
  QDateEdit::focusInEvent(event);
  typed_.clear();
  typed_in_ = -1;
}

// A press in the text selects the part under the mouse (no caret, no drag selection).
bool DateBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched != lineEdit()) return QDateEdit::eventFilter(watched, event);
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
      type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
    return QDateEdit::eventFilter(watched, event);
  auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() == Qt::LeftButton && type != QEvent::MouseButtonRelease) {
    if (!hasFocus()) setFocus(Qt::MouseFocusReason);
    SelectPartAt(lineEdit()->cursorPositionAt(mouse->position().toPoint()));
  }
  return mouse->buttons() & Qt::LeftButton || mouse->button() == Qt::LeftButton;
}

}  // namespace qtp
