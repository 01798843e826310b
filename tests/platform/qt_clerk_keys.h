#pragma once
// The clerk's keyboard and mouse for the Qt tests: real key presses (full-width and Chinese
// characters too), an input method's committed text, clicks on grid cells and widgets. Keys
// go to whatever has the focus at that moment, as on the desktop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QTableView>
#include <QTest>

namespace qtest {

// Each character as the keyboard types it.
inline void TypeKeys(const QString& text) {
  for (QChar ch : text) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "nothing has the focus";
    const char16_t c = ch.unicode();
    int key = 0;
    if (c >= u'0' && c <= u'9') key = Qt::Key_0 + (c - u'0');
    if (c >= u'a' && c <= u'z') key = Qt::Key_A + (c - u'a');
    if (c == u'.') key = Qt::Key_Period;
    if (c == u'-') key = Qt::Key_Minus;
    QTest::sendKeyEvent(QTest::Press, focus, Qt::Key(key), QString(ch), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, focus, Qt::Key(key), QString(ch), Qt::NoModifier);
  }
}

inline void PressKey(Qt::Key key) {
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr) << "nothing has the focus";
  QTest::keyClick(focus, key);
}

// A Chinese input method's committed text.
inline void CommitText(const QString& text) {
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr) << "nothing has the focus";
  QInputMethodEvent event;
  event.setCommitString(text);
  QApplication::sendEvent(focus, &event);
}

// A left click on the middle of the cell (scrolled into view first).
inline void ClickCell(QTableView* table, int row, int col) {
  const QModelIndex cell = table->model()->index(row, col);
  table->scrollTo(cell);
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(cell).center());
}

// A left click on the widget, near its left edge (where a box's text starts).
inline void ClickWidget(QWidget* widget) {
  QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
}

}  // namespace qtest
