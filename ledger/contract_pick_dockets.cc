#include "ledger/contract_pick_dockets.h"

#include "common/files.h"
#include "common/message_box.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/text.h"
#include "ledger/program_state.h"

namespace {

constexpr const char* kAlias = "出租数据";

// True when the working file opens as a table; it is closed again and no table is current.
bool WorkingFileIsTable() {
  if (!OpenTable(WorkingDocketFile(), kAlias)) return false;
  CloseTable(kAlias);
  return true;
}

// The working file's bytes when it is a readable table; false otherwise. While the working
// table is open its file is one (every record is written before the count that makes it
// count); a closed file is opened to see.
bool ReadWorkingFile(ByteSet* bytes) {
  if (!SelectTable(kAlias) && !WorkingFileIsTable()) return false;
  *bytes = ReadFileToBinary(WorkingDocketFile());
  return !bytes->empty();
}

}  // namespace

std::string WorkingDocketFile() { return RunPath("出租数据.rdb"); }

const char* WorkingDocketAlias() { return kAlias; }

bool OpenPickedContractDockets() {
  SelectTable("合同");
  GoToRecord(PickedContract.record);
  PickedContract.name = ToText(ReadField(kContractUnitName.number));
  const Value dockets = ReadField(kContractDockets.number);
  const ByteSet* bytes = std::get_if<ByteSet>(&dockets);
  if (bytes == nullptr || !WriteBinaryToFile(WorkingDocketFile(), *bytes)) {
    ShowMessageBox("选择合同写出数据库失败");
    return false;
  }
  if (!OpenTable(WorkingDocketFile(), kAlias)) {
    ShowMessageBox("选择合同打开数据库失败");
    return false;
  }
  return true;
}

bool StoreWorkingDockets() {
  ByteSet bytes;
  const bool readable = ReadWorkingFile(&bytes);
  SelectTable("合同");
  GoToRecord(PickedContract.record);
  if (readable && WriteField(kContractDockets.number, bytes)) return true;
  ShowMessageBox("出租单录入数据库失败");
  return false;
}

void DocketEntryWindow_OnDestroy() {
  CloseTable(kAlias);
  StoreWorkingDockets();
}

void DocketEditWindow_OnDestroy() {
  CloseTable("出租单临时数据");
  CloseTable(kAlias);
}
