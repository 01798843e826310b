// Qt's own dialogs speak Chinese, as the programs do: the buttons of message boxes, the print
// preview window, the print dialog and the folder dialog.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTimer>
#include <functional>
#include <set>

#include "common/grid/grid_ops.h"
#include "platform/qt/qt_print_preview.h"
#include "tests/platform/qt_fixture.h"

namespace {

using qtest::QtWindowTest;

// The texts of the shown dialog's buttons and actions, read once it is up; then it closes.
struct DialogSeen {
  QString title;
  std::set<QString> buttons, actions;
};

// A shown text without its keyboard mnemonic: "是(&Y)" reads 是.
QString Shown(QString text) {
  static const QRegularExpression mnemonic("\\(&[A-Za-z]\\)|&");
  return text.remove(mnemonic);
}

template <class Dialog>
DialogSeen WhenShown(const std::function<void()>& open) {
  DialogSeen seen;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    poll.stop();
    seen.title = dialog->windowTitle();
    for (auto* button : dialog->template findChildren<QAbstractButton*>()) {
      if (!button->text().isEmpty()) seen.buttons.insert(Shown(button->text()));
    }
    for (auto* action : dialog->template findChildren<QAction*>()) {
      if (!action->text().isEmpty()) seen.actions.insert(Shown(action->text()));
    }
    dialog->reject();
  });
  poll.start(20);
  open();
  return seen;
}

bool HasLatinLetters(const QString& text) {
  for (QChar ch : text) {
    if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z')) return true;
  }
  return false;
}

class QtChineseTest : public QtWindowTest {};

TEST_F(QtChineseTest, MessageBoxButtonsReadChinese) {
  const struct {
    int flags;
    std::set<QString> buttons;
  } cases[] = {
      {0x00, {"确定"}},
      {0x01, {"确定", "取消"}},
      {0x24, {"是", "否"}},
      {0x03, {"是", "否", "取消"}},
  };
  for (const auto& c : cases) {
    int result = 0;
    const DialogSeen seen = WhenShown<QMessageBox>(
        [&] { result = platform_.MessageBox("是否要删除这条记录！", c.flags, "询问："); });
    EXPECT_EQ(seen.title, QString("询问："));
    EXPECT_EQ(seen.buttons, c.buttons) << c.flags;
  }
}

TEST_F(QtChineseTest, PrintPreviewAndPrintDialogsReadChinese) {
  constexpr ui::GridRef kGrid{"打印窗口", "高级表格1"};
  ui::WindowDecl decl;
  decl.name = "打印窗口";
  decl.rect = {0, 0, 400, 300};
  decl.units = {ui::Declare(kGrid, {0, 0, 380, 260})};
  ASSERT_TRUE(ui::LoadStartWindow(decl));
  SetGridCellData(kGrid, 1, 1, kCellContent, std::string("钢管"));
  const DialogSeen preview = WhenShown<qtp::PrintPreview>(
      [&] { platform_.Windows().PrintGrid(*ui::FindUnit(kGrid), true); });
  EXPECT_EQ(preview.title, QString("打印预览"));
  EXPECT_TRUE(preview.buttons.count("打印")) << "the preview's print button";
  for (const QString& text : preview.buttons)
    EXPECT_FALSE(HasLatinLetters(text)) << text.toStdString();
  // The print dialog shows where a printer is installed (without one the print goes straight
  // into the run folder's PDF file); opened here on its own.
  const DialogSeen print = WhenShown<QPrintDialog>([] {
    QPrinter printer;
    QPrintDialog dialog(&printer);
    dialog.exec();
  });
  EXPECT_TRUE(print.buttons.count("取消"));
  EXPECT_TRUE(print.buttons.count("打印"));
  for (const QString& text : print.buttons)
    EXPECT_FALSE(HasLatinLetters(text)) << text.toStdString();
}

TEST_F(QtChineseTest, FolderDialogReadsChinese) {
  const DialogSeen seen =
      WhenShown<QFileDialog>([&] { platform_.BrowseForFolder("选择备份目录", false); });
  EXPECT_EQ(seen.title, QString("选择备份目录"));
  EXPECT_TRUE(seen.buttons.count("取消"));
  for (const QString& text : seen.buttons)
    EXPECT_FALSE(HasLatinLetters(text)) << text.toStdString();
  // The dialog's list names each folder's type as the file icon provider words it.
  EXPECT_EQ(QFileIconProvider().type(QFileInfo(QDir::tempPath())), QString("文件夹"));
}

}  // namespace
