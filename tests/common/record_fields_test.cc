// The named fields of the three tables are the stored templates' fields: every field, in
// stored order, under its stored name.
#include "common/record_fields.h"

#include <cstring>
#include <string>
#include <vector>

#include "common/text.h"
#include "tests/common/table_test_util.h"

namespace {

// The field names of a stored template, in field order, read straight from its descriptors.
std::vector<std::string> TemplateFieldNames(const std::string& name) {
  const ByteSet b = TemplateBytes(name);
  std::vector<std::string> out;
  if (b.size() < 116) return out;
  const int count = I32At(b, 112);
  for (int i = 0; i < count && 116 + 72 * (i + 1) <= static_cast<int>(b.size()); ++i) {
    const char* at = reinterpret_cast<const char*>(b.data()) + 116 + 72 * i;
    out.push_back(FromGbk(std::string(at, strnlen(at, 20))));
  }
  return out;
}

TEST(RecordFields, AreTheTemplatesFieldsInOrder) {
  struct Case {
    const char* table;
    std::vector<RecordField> fields;
    int count;
  } cases[] = {
      {"合同.rdb",
       {kContractNumber, kContractUnitName, kContractStartDate, kContractMissingScrewPrice,
        kContractRents[0], kContractRents[1], kContractRents[2], kContractRents[3], kContractRemark,
        kContractWashPrice, kContractSerial, kContractDockets},
       kContractFieldCount},
      {"出租单数据.rdb",
       {kDocketNumber, kDocketDate, kDocketDirection, kDocketQuantities[0], kDocketQuantities[1],
        kDocketQuantities[2], kDocketQuantities[3], kDocketMissingScrews, kDocketRemark},
       kDocketFieldCount},
      {"码单数据库.rdb",
       {kTallyDate, kTallyGrid, kTallyFasteners, kTallyMetres, kTallySingleLayout, kTallyUnitName},
       kTallyFieldCount},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.table);
    const std::vector<std::string> stored = TemplateFieldNames(t.table);
    ASSERT_EQ(static_cast<int>(stored.size()), t.count);
    ASSERT_EQ(t.fields.size(), stored.size());
    for (size_t i = 0; i < stored.size(); ++i) {
      EXPECT_EQ(t.fields[i].number, static_cast<int>(i + 1)) << stored[i];
      EXPECT_EQ(t.fields[i].name, stored[i]) << "field " << i + 1;
    }
  }
}

}  // namespace
