// The demonstration window rendered offscreen, saved for people to look at; and modal windows.
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <cstdlib>

#include "common/grid/grid_ops.h"
#include "tests/platform/demo_window.h"
#include "tests/platform/qt_fixture.h"

namespace {

using D = demo::DemoWindow;
using qtest::QtWindowTest;

// The folder the pictures go to: RENT_TEST_OUTPUT, else test-output in the build folder.
QString OutputFolder() {
  const char* folder = std::getenv("RENT_TEST_OUTPUT");
  const QString path =
      folder && *folder ? QString::fromUtf8(folder) : QString(RENT_TEST_OUTPUT_DIR);
  QDir().mkpath(path);
  return path;
}

// True when some pixel of the rectangle is much darker than the window's background: text.
bool HasDarkPixels(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qGray(image.pixel(x, y)) < 100) return true;
  return false;
}

TEST_F(QtWindowTest, DemonstrationWindowRendersEveryKindOfUnit) {
  const ui::WindowDecl decl = demo::MakeDemoWindow();
  ASSERT_TRUE(ui::LoadStartWindow(decl));
  ui::SetDate(D::日期框1, DateTime{41644});
  ui::InsertListViewItem(D::超级列表框1, -1, "钢管");
  ui::SetListViewItemText(D::超级列表框1, 0, 1, "120");
  ui::SetSliderValue(D::滑块条1, 40);
  SetGridCellData(D::高级表格1, 0, 1, kCellContent, std::string("钢管(米)"));
  SetGridCellData(D::高级表格1, 1, 1, kCellContent, 1234.5);
  JoinGridCells(D::高级表格1, 2, 0, 2, 3);
  SetGridCellData(D::高级表格1, 2, 0, kCellContent, std::string("合计：壹仟贰佰叁拾肆元伍角"));
  Settle();
  QWidget* window = WindowWidget(D::kWindow);
  ASSERT_NE(window, nullptr);
  const QImage image = window->grab().toImage();
  const QString path = OutputFolder() + "/demo_window.png";
  ASSERT_TRUE(image.save(path)) << path.toStdString();
  ASSERT_FALSE(image.isNull());
  // The Chinese captions are drawn: their places hold dark pixels.
  const QWidget* label = WidgetOf(D::标签1);
  EXPECT_TRUE(HasDarkPixels(image, QRect(label->mapTo(window, QPoint(0, 0)), QSize(120, 20))));
  const QWidget* see_through = WidgetOf(D::透明标签1);
  EXPECT_TRUE(HasDarkPixels(image, QRect(see_through->mapTo(window, QPoint(0, 0)), QSize(80, 20))));
}

constexpr ui::WindowRef kDialog{"Dialog"};
constexpr ui::ButtonRef kDialogClose{"Dialog", "按钮1"};
int g_after_destroy = 0;

void OnDialogClose() {
  ui::DestroyWindowUnit(kDialog);
  ++g_after_destroy;  // the handler finishes before the window goes
}

TEST_F(QtWindowTest, ModalWindowReturnsWhenDestroyed) {
  ui::WindowDecl decl;
  decl.name = kDialog.name;
  decl.caption = "对话框";
  decl.rect = {100, 100, 300, 200};
  decl.units = {ui::Declare(kDialogClose, {10, 10, 80, 28}).Text("关闭")};
  decl.bindings = {ui::Bind(kDialogClose, ui::Event::kClick, OnDialogClose)};
  g_after_destroy = 0;
  QTimer::singleShot(10, [] {
    auto* button = WidgetOf<ui::Kind::kButton, QPushButton>(kDialogClose);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->window()->isModal());
    button->click();
  });
  EXPECT_TRUE(ui::LoadWindow(decl, true));
  EXPECT_EQ(g_after_destroy, 1);
  EXPECT_EQ(ui::FindWindow(kDialog), nullptr);
}

bool g_shown_at_created = true;
void OnDialogCreated() {
  g_shown_at_created = QtWindowTest::WindowWidget(kDialog)->isVisible();
  ui::SetText(kDialogClose, "好");  // the created handler's writes show
}

TEST_F(QtWindowTest, WindowShowsOnlyAfterItsCreatedEvent) {
  ui::WindowDecl decl;
  decl.name = kDialog.name;
  decl.rect = {100, 100, 300, 200};
  decl.units = {ui::Declare(kDialogClose, {10, 10, 80, 28}).Text("关闭")};
  decl.bindings = {ui::BindWindow(ui::Event::kCreated, OnDialogCreated)};
  ASSERT_TRUE(ui::LoadStartWindow(decl));
  EXPECT_FALSE(g_shown_at_created);
  EXPECT_TRUE(WindowWidget(kDialog)->isVisible());
  EXPECT_EQ((WidgetOf<ui::Kind::kButton, QPushButton>(kDialogClose)->text()), QString("好"));
  ui::SetWindowVisible(kDialog, false);
  EXPECT_FALSE(WindowWidget(kDialog)->isVisible());
}

TEST_F(QtWindowTest, MessageLoopEndsWithTheLastWindow) {
  const ui::WindowDecl decl = demo::MakeDemoWindow();
  ASSERT_TRUE(ui::LoadStartWindow(decl));
  QTimer::singleShot(10, [] { ui::DestroyWindowUnit(D::kWindow, true); });
  ui::RunMessageLoop();
  EXPECT_TRUE(ui::LiveWindows().empty());
}

}  // namespace
