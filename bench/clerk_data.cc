#include "bench/clerk_data.h"

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "common/assets.h"
#include "common/dates.h"
#include "common/files.h"
#include "common/table/table.h"
#include "common/value.h"

namespace {

constexpr int kContractsPerScale = 1250;
constexpr int kBigDocketsPerScale = 2500;
constexpr int kSmallDockets = 40;

void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "clerk_bench: %s failed\n", what);
  std::exit(1);
}

void WriteAsset(const std::string& folder, const char* name) {
  auto bytes = FindAsset(name);
  Require(WriteBinaryToFile(folder + "/" + name, ByteSet(bytes.begin(), bytes.end())), name);
}

// The bytes of a docket table of `count` dockets spread over the decade in date order (a few
// entered late, out of order). Rentals and returns alternate so that nothing goes below zero;
// pipe moves on every docket, fasteners on most, jack bases on some, I-beams on few.
ByteSet DocketTableBytes(const std::string& folder, int count, uint32_t seed) {
  const std::string path = folder + "/种子.rdb";
  Require(CopyDiskFile(folder + "/出租单数据.rdb", path), "copy of the docket template");
  Require(OpenTable(path, "种子"), "open of the seed table");
  std::mt19937 random(seed);
  const double first = DecadeFirstDay(), span = DecadeLastDay() - first;
  double on_rent[4] = {0, 0, 0, 0};
  for (int i = 0; i < count; ++i) {
    double day = first + std::floor(span * i / count);
    if (random() % 50 == 0) day -= 1 + random() % 20;  // entered late
    const bool out = i % 3 != 2 || on_rent[0] < 100;
    auto quantity = [&](int m, int in_of_8, double size) {
      if (static_cast<int>(random() % 8) >= in_of_8) return 0.0;
      double q = std::round(size * (1 + random() % 40)) / 2;
      if (!out) q = -std::min(q, on_rent[m]);
      on_rent[m] += q;
      return q;
    };
    const double pipe = quantity(0, 8, 6), fasteners = quantity(1, 6, 10);
    const double jacks = quantity(2, 3, 4), beams = quantity(3, 1, 3);
    const std::vector<Value> docket = {int32_t{10000 + i},
                                       DateTime{std::max(day, first)},
                                       out,
                                       pipe,
                                       static_cast<int32_t>(fasteners),
                                       jacks,
                                       beams,
                                       static_cast<int32_t>(out ? 0 : random() % 3),
                                       std::string(i % 10 == 0 ? "补单" : "")};
    Require(AppendRecord(docket), "docket append");
  }
  CloseTable("种子");
  ByteSet bytes = ReadFileToBinary(path);
  DeleteDiskFile(path);
  return bytes;
}

}  // namespace

double DecadeFirstDay() { return MakeDateTime(2015, 1, 1).days; }
double DecadeLastDay() { return MakeDateTime(2024, 12, 31).days; }

namespace {
std::string ContractName(int record, bool big) {
  return (big ? "大型建筑工程公司" : "建筑单位") + std::to_string(record);
}
int SmallDockets(int record) { return kSmallDockets - 2 + record % 4; }
}  // namespace

DecadeData DescribeDecadeData(int scale) {
  DecadeData data;
  data.contracts = kContractsPerScale * scale;
  data.big_dockets = kBigDocketsPerScale * scale;
  data.big_record = data.contracts / 2;
  data.big_name = ContractName(data.big_record, true);
  for (int i = 1; i <= data.contracts; ++i) {
    data.total_dockets += i == data.big_record ? data.big_dockets : SmallDockets(i);
  }
  return data;
}

DecadeData BuildDecadeData(const std::string& folder, int scale) {
  for (const char* name : {"合同.rdb", "合同.rdt", "出租单数据.rdb"}) WriteAsset(folder, name);
  const DecadeData data = DescribeDecadeData(scale);
  // Four docket tables of about 40 dockets serve all the small contracts by turns.
  std::vector<ByteSet> small;
  for (int k = 0; k < 4; ++k) small.push_back(DocketTableBytes(folder, SmallDockets(k), k));
  const ByteSet big = DocketTableBytes(folder, data.big_dockets, 99);
  Require(OpenTable(folder + "/合同.rdb", "合同"), "open of the contract table");
  for (int i = 1; i <= data.contracts; ++i) {
    const bool is_big = i == data.big_record;
    const ByteSet& dockets = is_big ? big : small[i % 4];
    const std::vector<Value> contract = {int32_t{2015000 + i},
                                         ContractName(i, is_big),
                                         DateTime{DecadeFirstDay() + (is_big ? 0 : i % 365)},
                                         0.5,
                                         0.012f,
                                         0.008f,
                                         0.05f,
                                         0.3f,
                                         std::string("第") + std::to_string(i) + "号合同",
                                         0.2,
                                         int32_t{i},
                                         dockets};
    Require(AppendRecord(contract), "contract append");
  }
  CloseAllTables();
  return data;
}
