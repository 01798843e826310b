// The free contract serial: one pass over the table gives what a rescan per candidate gives.
#include "ledger/contract_window_grid.h"
#include "tests/ledger/ledger_window_test_base.h"

namespace {

// A fresh scan of every record for each candidate, lowest first.
int SerialByRescan() {
  for (int candidate = 1;; ++candidate) {
    bool in_use = false;
    for (int i = 1; i <= GetRecordCount() && !in_use; ++i) {
      GoToRecord(i);
      in_use = std::abs(ToNumber(ReadField(kContractSerial.number)) - candidate) <= kTolerance;
    }
    if (!in_use) return candidate;
  }
}

class ContractSerialTest : public LedgerWindowTest {};

TEST_F(ContractSerialTest, TheFreeSerialIsTheLowestUnused) {
  const std::vector<std::vector<int>> cases = {{1},        {2},        {1, 2, 3}, {3, 2, 1},
                                               {1, 1, 2},  {0, -1, 1}, {2, 4, 6}, {5, 4, 3, 2, 1},
                                               {1, 3, 99}, {7}};
  for (const auto& serials : cases) {
    SCOPED_TRACE(::testing::PrintToString(serials));
    ClearTable();
    for (int s : serials) AppendContract("甲", s);
    const int expected = SerialByRescan();
    EXPECT_EQ(FindFreeContractSerial(), expected);
    EXPECT_EQ(GetRecordCount(), static_cast<int>(serials.size()));
  }
}

}  // namespace
