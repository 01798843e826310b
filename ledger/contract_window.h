#pragma once
// The contract window: lists every contract of the contract table (alias "合同") in a grid,
// shows the clicked one in a form of ten boxes, adds, changes and deletes contracts.
#include "common/ui/ui.h"

struct ContractWindow {
  static constexpr ui::WindowRef self{"ContractWindow"};
  static constexpr ui::GridRef 高级表格1{"ContractWindow", "高级表格1"};
  static constexpr ui::EditRef 编辑框1{"ContractWindow", "编辑框1"};
  static constexpr ui::EditRef 编辑框2{"ContractWindow", "编辑框2"};
  static constexpr ui::EditRef 编辑框3{"ContractWindow", "编辑框3"};
  static constexpr ui::EditRef 编辑框4{"ContractWindow", "编辑框4"};
  static constexpr ui::EditRef 编辑框5{"ContractWindow", "编辑框5"};
  static constexpr ui::EditRef 编辑框6{"ContractWindow", "编辑框6"};
  static constexpr ui::EditRef 编辑框7{"ContractWindow", "编辑框7"};
  static constexpr ui::EditRef 编辑框8{"ContractWindow", "编辑框8"};
  static constexpr ui::EditRef 编辑框9{"ContractWindow", "编辑框9"};
  static constexpr ui::DateBoxRef 日期框1{"ContractWindow", "日期框1"};
  static constexpr ui::LabelRef 标签1{"ContractWindow", "标签1"};
  static constexpr ui::LabelRef 标签2{"ContractWindow", "标签2"};
  static constexpr ui::LabelRef 标签3{"ContractWindow", "标签3"};
  static constexpr ui::LabelRef 标签4{"ContractWindow", "标签4"};
  static constexpr ui::LabelRef 标签5{"ContractWindow", "标签5"};
  static constexpr ui::LabelRef 标签6{"ContractWindow", "标签6"};
  static constexpr ui::LabelRef 标签7{"ContractWindow", "标签7"};
  static constexpr ui::LabelRef 标签8{"ContractWindow", "标签8"};
  static constexpr ui::LabelRef 标签9{"ContractWindow", "标签9"};
  static constexpr ui::LabelRef 标签10{"ContractWindow", "标签10"};
  static constexpr ui::ButtonRef 按钮1{"ContractWindow", "按钮1"};
  static constexpr ui::ButtonRef 按钮2{"ContractWindow", "按钮2"};
  static constexpr ui::ButtonRef 按钮3{"ContractWindow", "按钮3"};
  static constexpr ui::ButtonRef 按钮4{"ContractWindow", "按钮4"};
  static constexpr ui::ButtonRef 按钮5{"ContractWindow", "按钮5"};
};

// The contract window's declaration ("添加与修改合同", 1061 x 539).
const ui::WindowDecl& ContractWindowDecl();

// Handlers of the contract window.
void ContractWindow_OnCreated();
void ContractWindow_OnGridClick();
// The clerk typed into a cell of the grid (or chose from a cell's list): the grid no longer
// shows the table as filled.
void ContractWindow_OnGridEdited();
void ContractWindow_OnAddClick();
void ContractWindow_OnEditClick();
void ContractWindow_OnSaveClick();
void ContractWindow_OnDeleteClick();
