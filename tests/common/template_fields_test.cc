// The text field widths the stored templates define: the byte limits of the boxes and cells
// whose text goes into those fields.
#include "common/table/template_fields.h"

#include <gtest/gtest.h>

namespace {

TEST(TemplateTextWidth, ReadsTheDeclaredWidthOfTextFields) {
  struct Case {
    const char* table;
    const char* field;
    int width;
  } cases[] = {
      {"合同.rdb", "建筑单位名称", 20},   {"合同.rdb", "备注", 20},
      {"出租单数据.rdb", "其它备注", 20}, {"码单数据库.rdb", "单位名称", 20},
      {"码单数据库.rdb", "日期", 20},     {"合同.rdb", "合同号", 0},  // an integer field
      {"合同.rdb", "没有这个字段", 0},    {"没有这个表.rdb", "备注", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TemplateTextWidth(c.table, c.field), c.width) << c.table << " " << c.field;
  }
}

}  // namespace
