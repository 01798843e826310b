#pragma once
// Sample grids for the grid tests: shaped as the programs build them, and one that carries
// every kind of thing the save file keeps.
#include <string>

#include "common/grid/grid_model.h"

namespace grid_samples {

// The single tally layout: 55 rows x 3 columns, counts typed into column 1.
inline GridModel TallyGrid() {
  GridModel g(1, 1, GridFont{});
  double a = 0.8;
  for (int i = 1; i <= 53; ++i, a += 0.1) g.InsertRow(std::to_string(a).substr(0, 3));
  g.InsertColumn("钢管根数", 1);
  g.InsertColumn("钢管米数", 2);
  g.SetReadOnly(GridModel::MakeRange(1, 2, 53, 2), true);
  g.SetColumnType(1, 2);
  g.SetAlignment(GridModel::MakeRange(1, 1, 53, 2), 2);
  g.SetText(0, 0, "钢管型号");
  g.InsertRow("扣件", 54);
  g.SetColumnWidth(2, 100);
  g.SetColumnWidth(1, 90);
  for (int r = 1; r <= 53; r += 4) g.SetText(r, 1, std::to_string(r * 3));
  g.SetText(54, 2, "2015年10月9日");
  g.SetPrintDatePosition(2);
  return g;
}

// A grid with every part the save file carries set to something other than its default.
inline GridModel RichGrid() {
  GridModel g(12, 7, GridFont{});
  g.SetFixedRows(3);
  g.SetFixedColumns(2);
  g.SetRowHeight(4, 40);
  g.SetColumnWidth(6, 150);
  g.SetColumnType(3, 8);
  g.AddChoiceItem(3, "出库");
  g.AddChoiceItem(3, "入库");
  g.SetColumnType(1, 2);
  ColumnKind date;
  date.type = 3;
  date.text1 = "日期";
  date.text2 = "yyyy-mm-dd";
  date.number1 = 7;
  date.number2 = -3;
  g.SetColumnKind(2, date);
  g.Join(GridModel::MakeRange(0, 0, 0, 4));
  g.Join(GridModel::MakeRange(1, 6, 2, 6));
  g.SetText(0, 0, "承租单位：北区");
  g.SetText(5, 3, "入库");
  g.SetText(11, 6, std::string(300, 'x'));
  g.EditCell(6, 1, [](GridCell& value) {
    value.value = 77;
    value.picture = {0xFF, 0xD8, 0x00, 0x01};
  });
  g.SetFontFace(GridModel::MakeRange(1, 0, 2, 6), "微软雅黑");
  g.SetFontSize(GridModel::MakeRange(2, 0, 2, 6), 23);
  g.SetFontStyle(GridModel::MakeRange(7, 0, 7, 6), 3);
  g.SetAlignment(GridModel::MakeRange(3, 0, 10, 6), 2);
  g.SetReadOnly(GridModel::MakeRange(3, 2, 5, 2), true);
  g.SetBackground(GridModel::MakeRange(8, 3, 8, 4), 0xC0C0C0);
  g.EditCell(9, 5, [](GridCell& props) {
    props.colour_b = 0x0000FF;
    props.property_d = 4;
    props.property_e = 1;
    props.flag_f = 1;
    props.state = kCellFixedMark;
  });
  g.settings.editable = false;
  g.settings.back_colour = 0x808080;
  g.settings.default_colour_a = 0xFFFFF0;
  g.settings.default_colour_b = 0x101010;
  g.settings.raw[7] = 12345;
  g.settings.raw[14] = -1;
  g.SetPrintDatePosition(2);
  g.SetPageNumberPosition(3);
  g.SetPrintTitle({"北区出入库对账单", "黑体字", 30, true, 2});
  g.SetPageOption(1, 100);
  g.SetPageOption(7, 5);
  g.settings.aux1 = {{1, 2, 3, 4}};
  g.settings.aux2 = {{5, 6, 7, 8}, {-1, -2, -3, -4}};
  return g;
}

}  // namespace grid_samples
