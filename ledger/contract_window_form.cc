#include "ledger/contract_window_form.h"

#include <string>
#include <vector>

#include "common/dates.h"
#include "common/message_box.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/text.h"
#include "ledger/contract_window.h"
#include "ledger/contract_window_grid.h"

namespace {

using W = ContractWindow;

// The form's first ten field values in field order (合同号 .. 扣件洗油费).
std::vector<Value> FormValues() {
  return {
      ToNumber(ui::GetText(W::编辑框1)),
      ui::GetText(W::编辑框2),
      GetDatePart(ui::GetDate(W::日期框1)),
      ToFloat(ui::GetText(W::编辑框3)),
      ToFloat(ui::GetText(W::编辑框5)),
      ToFloat(ui::GetText(W::编辑框6)),
      ToFloat(ui::GetText(W::编辑框7)),
      ToFloat(ui::GetText(W::编辑框8)),
      ui::GetText(W::编辑框4),
      ToFloat(ui::GetText(W::编辑框9)),
  };
}

// Fields are read here by name.
Value Field(const RecordField& field) { return ReadField(field.name); }

}  // namespace

void EnableContractForm(bool enabled) {
  for (ui::EditRef box : {W::编辑框1, W::编辑框2, W::编辑框3, W::编辑框4, W::编辑框5, W::编辑框6,
                          W::编辑框7, W::编辑框8, W::编辑框9}) {
    ui::SetDisabled(box, !enabled);
  }
  ui::SetDisabled(W::日期框1, !enabled);
}

void ShowContractRecord() {
  ui::SetText(W::编辑框1, ToText(Field(kContractNumber)));
  ui::SetDate(W::日期框1, ToDateTime(Field(kContractStartDate)));
  ui::SetText(W::编辑框3, ToText(Field(kContractMissingScrewPrice)));
  ui::SetText(W::编辑框2, ToText(Field(kContractUnitName)));
  ui::SetText(W::编辑框4, ToText(Field(kContractRemark)));
  ui::SetText(W::编辑框5, ToText(Field(kContractPipeRent)));
  ui::SetText(W::编辑框6, ToText(Field(kContractFastenerRent)));
  ui::SetText(W::编辑框7, ToText(Field(kContractJackBaseRent)));
  ui::SetText(W::编辑框8, ToText(Field(kContractIBeamRent)));
  ui::SetText(W::编辑框9, ToText(Field(kContractWashPrice)));
}

void AddContractRecord() {
  const int serial = GetRecordCount() == 0 ? 1 : FindFreeContractSerial();
  std::vector<Value> values = FormValues();
  values.push_back(serial);
  if (!AppendRecord(values)) {
    ShowMessageBox("添加合同失败");
    FillContractGrid(W::高级表格1);
    return;
  }
  FillContractGridAfterAppend(W::高级表格1);
}

bool ModifyContractFromForm() { return ModifyRecord(FormValues()); }
