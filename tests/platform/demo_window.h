#pragma once
// A window with one unit of every kind, as the programs declare theirs.
#include "common/ui/ui.h"

namespace demo {

struct DemoWindow {
  static constexpr ui::WindowRef kWindow{"DemoWindow"};
  static constexpr ui::LabelRef 标签1{"DemoWindow", "标签1"};
  static constexpr ui::TransparentLabelRef 透明标签1{"DemoWindow", "透明标签1"};
  static constexpr ui::EditRef 编辑框1{"DemoWindow", "编辑框1"};
  static constexpr ui::EditRef 编辑框2{"DemoWindow", "编辑框2"};
  static constexpr ui::EditRef 编辑框3{"DemoWindow", "编辑框3"};
  static constexpr ui::EditRef 编辑框4{"DemoWindow", "编辑框4"};
  static constexpr ui::GroupBoxRef 分组框1{"DemoWindow", "分组框1"};
  static constexpr ui::RadioRef 单选框1{"DemoWindow", "单选框1"};
  static constexpr ui::RadioRef 单选框2{"DemoWindow", "单选框2"};
  static constexpr ui::CheckBoxRef 选择框1{"DemoWindow", "选择框1"};
  static constexpr ui::ButtonRef 按钮1{"DemoWindow", "按钮1"};
  static constexpr ui::PictureButtonRef 图片按钮1{"DemoWindow", "图片按钮1"};
  static constexpr ui::PictureBoxRef 图片框1{"DemoWindow", "图片框1"};
  static constexpr ui::ComboRef 组合框1{"DemoWindow", "组合框1"};
  static constexpr ui::TabRef 选择夹1{"DemoWindow", "选择夹1"};
  static constexpr ui::ButtonRef 按钮2{"DemoWindow", "按钮2"};
  static constexpr ui::DateBoxRef 日期框1{"DemoWindow", "日期框1"};
  static constexpr ui::TimerRef 时钟1{"DemoWindow", "时钟1"};
  static constexpr ui::SliderRef 滑块条1{"DemoWindow", "滑块条1"};
  static constexpr ui::ListViewRef 超级列表框1{"DemoWindow", "超级列表框1"};
  static constexpr ui::BalloonTipRef 气球提示框1{"DemoWindow", "气球提示框1"};
  static constexpr ui::GridRef 高级表格1{"DemoWindow", "高级表格1"};
  static constexpr ui::MenuItemRef 打开{"DemoWindow", "打开"};
  static constexpr ui::MenuItemRef 退出{"DemoWindow", "退出"};
  static constexpr ui::MenuItemRef 右键菜单{"DemoWindow", "右键菜单"};
  static constexpr ui::MenuItemRef 复制{"DemoWindow", "复制"};
};

// The demonstration window; its bindings are the handlers given (nullptr: none).
ui::WindowDecl MakeDemoWindow(std::vector<ui::Binding> bindings = {});

}  // namespace demo
