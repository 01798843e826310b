#include "common/message_box.h"

#include <gtest/gtest.h>

#include <string>

#include "common/dates.h"
#include "tests/common/fake_platform.h"

namespace {

TEST(MessageBoxTest, ButtonIdsBecomeResultCodes) {
  struct Case {
    int button, result;
  } cases[] = {{1, kIdOk},  {2, kIdCancel}, {3, 2},     {4, 3},      {5, 4},
               {6, kIdYes}, {7, kIdNo},     {0, kIdOk}, {-1, kIdOk}, {11, kIdOk}};
  FakePlatform platform;
  for (const Case& c : cases) {
    platform.button = c.button;
    EXPECT_EQ(ShowMessageBox("确定要删除吗？", kMbOkCancel), c.result) << c.button;
  }
}

TEST(MessageBoxTest, TaskModalUnlessSystemModal) {
  FakePlatform platform;
  ShowMessageBox("添加成功");
  ShowMessageBox("密码错误", kMbIconStop);
  ShowMessageBox("x", kMbYesNo | kMbIconQuestion | 0x1000, "询问：");
  ASSERT_EQ(platform.boxes.size(), 3u);
  EXPECT_EQ(platform.boxes[0].text, "添加成功");
  EXPECT_EQ(platform.boxes[0].flags, 0x2000);
  EXPECT_EQ(platform.boxes[0].title, "信息：");
  EXPECT_EQ(platform.boxes[1].flags, 0x2000 | 16);
  EXPECT_EQ(platform.boxes[2].flags, 4 | 32 | 0x1000);
  EXPECT_EQ(platform.boxes[2].title, "询问：");
}

TEST(MessageBoxTest, ValuesShowAsText) {
  struct Case {
    Value v;
    std::string text;
  } cases[] = {
      {Value{0.1 + 0.2}, "0.3"},
      {Value{int32_t{42}}, "42"},
      {Value{MakeDateTime(2014, 1, 5)}, "2014年1月5日"},
      {Value{true}, "真"},
      {Value{std::string("找不到tallybench。")}, "找不到tallybench。"},
      {Value{}, ""},
  };
  FakePlatform platform;
  for (const Case& c : cases) {
    ShowMessageBox(c.v);
    EXPECT_EQ(platform.boxes.back().text, c.text);
    EXPECT_EQ(platform.boxes.back().title, "信息：");
  }
  ShowMessageBox(std::string("text"), kMbOk, "t");
  EXPECT_EQ(platform.boxes.back().text, "text");
  EXPECT_EQ(platform.boxes.back().title, "t");
}

}  // namespace
