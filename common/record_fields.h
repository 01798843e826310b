#pragma once
// The fields of the three tables the programs keep, in stored order, each with its 1-based
// number and its stored name. The stored templates carry exactly these fields; code reads a
// field by number or, where a window looks it up by name, by name: both reach the same field.
#include "common/quantities.h"

struct RecordField {
  int number;        // 1-based position in the record
  const char* name;  // as stored; looked up without regard to letter case
};

// ContractRecord (合同.rdb, alias "合同").
inline constexpr RecordField kContractNumber{1, "合同号"};
inline constexpr RecordField kContractUnitName{2, "建筑单位名称"};
inline constexpr RecordField kContractStartDate{3, "合同开始日期"};
inline constexpr RecordField kContractMissingScrewPrice{4, "差螺丝赔偿单价"};
inline constexpr RecordField kContractPipeRent{5, "钢管租金"};
inline constexpr RecordField kContractFastenerRent{6, "扣件租金"};
inline constexpr RecordField kContractJackBaseRent{7, "顶托租金"};
inline constexpr RecordField kContractIBeamRent{8, "工字钢租金"};
// The four daily rents, in material order.
inline constexpr RecordField kContractRents[kMaterialCount] = {
    kContractPipeRent, kContractFastenerRent, kContractJackBaseRent, kContractIBeamRent};
inline constexpr RecordField kContractRemark{9, "备注"};
inline constexpr RecordField kContractWashPrice{10, "扣件洗油费"};
inline constexpr RecordField kContractSerial{11, "合同序号"};
// The contract's whole docket table file, as bytes.
inline constexpr RecordField kContractDockets{12, "数据"};
inline constexpr int kContractFieldCount = 12;

// DocketRecord (出租单数据.rdb and its working copies).
inline constexpr RecordField kDocketNumber{1, "单号"};
inline constexpr RecordField kDocketDate{2, "日期"};
// True for an issue (出库), false for a return (入库).
inline constexpr RecordField kDocketDirection{3, "出入"};
// The quantities are signed: a return's are stored negative.
inline constexpr RecordField kDocketPipeQuantity{4, "钢管数量"};
inline constexpr RecordField kDocketFastenerQuantity{5, "扣件数量"};
inline constexpr RecordField kDocketJackBaseQuantity{6, "顶托数量"};
inline constexpr RecordField kDocketIBeamQuantity{7, "工字钢数量"};
// The four quantities, in material order.
inline constexpr RecordField kDocketQuantities[kMaterialCount] = {
    kDocketPipeQuantity, kDocketFastenerQuantity, kDocketJackBaseQuantity, kDocketIBeamQuantity};
inline constexpr RecordField kDocketMissingScrews{8, "差螺丝赔偿"};
inline constexpr RecordField kDocketRemark{9, "其它备注"};
inline constexpr int kDocketFieldCount = 9;

// TallyRecord (码单数据库.rdb).
inline constexpr RecordField kTallyDate{1, "日期"};
// The grid save file of the tally.
inline constexpr RecordField kTallyGrid{2, "码单数据"};
inline constexpr RecordField kTallyFasteners{3, "扣件"};
inline constexpr RecordField kTallyMetres{4, "钢管"};
// True for the single layout.
inline constexpr RecordField kTallySingleLayout{5, "单双"};
inline constexpr RecordField kTallyUnitName{6, "单位名称"};
inline constexpr int kTallyFieldCount = 6;
