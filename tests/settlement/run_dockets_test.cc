// A settlement run reads each docket once for all its sections: what it keeps of a docket is
// what the sections read from the table before, field by field, whatever the fields' types.
#include "settlement/run_dockets.h"

#include <gtest/gtest.h>

#include "common/dates.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/table/table_format.h"
#include "common/text.h"
#include "settlement/statement_grid.h"
#include "tests/common/table_test_util.h"

namespace {

using RunDocketsTest = TableTest;

// A docket table whose four quantities are a double, an integer, a float and a text.
ByteSet DocketTable() {
  return RawTable({{"n", table_format::kInt, 4, 0},
                   {"d", table_format::kDate, 8, 0},
                   {"o", table_format::kBool, 16, 0},
                   {"q1", table_format::kDouble, 17, 0},
                   {"q2", table_format::kInt, 25, 0},
                   {"q3", table_format::kFloat, 29, 0},
                   {"q4", table_format::kText, 33, 12}},
                  45, 0);
}

TEST_F(RunDocketsTest, EachDocketReadsAsTheSectionsReadItFromTheTable) {
  PutFile(Path("d.rdb"), DocketTable());
  ASSERT_TRUE(OpenTable(Path("d.rdb"), "d"));
  const double first = MakeDateTime(2020, 3, 1).days, last = MakeDateTime(2020, 3, 31).days;
  const struct {
    double day;
    bool out;
    double pipe;
    int32_t fasteners;
    float jacks;
    const char* beams;
  } dockets[] = {
      {first - 10, true, 120.5, 30, 0.1f, "12"},       // before the period
      {first, true, 1e15, -2147483647, 1.5f, "0012"},  // on its first day
      {first + 3.75, false, -0.3, -30, -2.25f, "-7.5e1"},
      {last, true, 1.0 / 3, 0, 3.4e38f, ""},  // on its last day
      {last + 1, true, 5, 5, 5, "5"},         // after it
      {first + 12, false, 12345678901234.5, 7, 1e-7f, "abc"},
  };
  for (const auto& d : dockets) {
    ASSERT_TRUE(AppendRecord(
        {int32_t{1}, DateTime{d.day}, d.out, d.pipe, d.fasteners, d.jacks, std::string(d.beams)}));
  }
  const SettlementPeriod period{DateTime{first}, DateTime{first}, DateTime{last}};
  const std::vector<RunDocket> read = ReadRunDockets(period);
  ASSERT_EQ(read.size(), 5u);
  for (const RunDocket& d : read) {
    ASSERT_TRUE(GoToRecord(d.record));
    EXPECT_EQ(d.date, ToDateTime(ReadField(kDocketDate.number))) << d.record;
    if (period.Holds(d.date)) {
      EXPECT_EQ(d.out, DocketIsOut()) << d.record;
    }
    for (int m = 0; m < kMaterialCount; ++m) {
      const Value field = ReadField(kDocketQuantities[m].number);
      EXPECT_EQ(d.quantity[m], ToNumber(field)) << d.record << " " << m;
      EXPECT_EQ(QuantityText(d, m), ToText(field)) << d.record << " " << m;
    }
  }
  EXPECT_EQ(read[0].record, 1);
  EXPECT_EQ(read[4].record, 6);
}

}  // namespace
