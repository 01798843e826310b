#pragma once
// The decade of a big yard's data that clerk_bench works on: a contract table of `contracts`
// contracts, one of them (record big_record) holding big_dockets dockets over ten years, every
// other one about 40.
#include <string>

struct DecadeData {
  int contracts = 0;
  int big_dockets = 0;
  int big_record = 0;     // the big contract's record number (its row in the contract grids)
  std::string big_name;   // its 建筑单位名称
  int total_dockets = 0;  // over all contracts
};

// The first and last day of the decade (2015-01-01 .. 2024-12-31).
double DecadeFirstDay();
double DecadeLastDay();

// What the data set of that scale holds (without building it).
DecadeData DescribeDecadeData(int scale);
// Writes the run directory's tables into folder (the templates, then 合同.rdb/.rdt filled
// with the contracts) and leaves no table open. Scale 1 is 1,250 contracts with a
// 2,500-docket contract; scale k is k times both.
DecadeData BuildDecadeData(const std::string& folder, int scale);
