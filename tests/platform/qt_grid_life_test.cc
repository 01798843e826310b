// A grid's Qt table model outlives its window by a moment (Qt deletes the view later): the
// questions Qt asks it meanwhile must not reach the freed unit (the sanitizer build sees it).
#include <QTableView>

#include "common/grid/grid_ops.h"
#include "tests/platform/qt_fixture.h"

namespace {

using qtest::QtWindowTest;

TEST_F(QtWindowTest, AGridAsksNothingOfItsUnitOnceItsWindowIsGone) {
  constexpr ui::WindowRef kWindow{"短命窗口"};
  constexpr ui::GridRef kGrid{"短命窗口", "高级表格1"};
  ui::WindowDecl decl;
  decl.name = kWindow.name;
  decl.rect = {0, 0, 300, 200};
  decl.units = {ui::Declare(kGrid, {0, 0, 280, 180})};
  ASSERT_TRUE(ui::LoadStartWindow(decl));
  SetGridCellData(kGrid, 1, 1, kCellContent, std::string("钢管"));
  Settle();
  auto* table = WidgetOf<ui::Kind::kGrid, QTableView>(kGrid);
  ASSERT_NE(table, nullptr);
  QAbstractItemModel* model = table->model();
  const QModelIndex cell = model->index(1, 1);
  EXPECT_EQ(cell.data().toString(), QString("钢管"));
  ui::DestroyWindowUnit(kWindow, true);  // the unit is freed; the view is deleted later
  EXPECT_FALSE(cell.data().isValid());
  EXPECT_FALSE(cell.data(Qt::FontRole).isValid());
  EXPECT_EQ(model->flags(cell), Qt::NoItemFlags);
  EXPECT_FALSE(model->setData(cell, "扣件", Qt::EditRole));
  Settle();
}

}  // namespace
