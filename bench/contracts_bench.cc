// The contract windows over a table of 5,000 contracts: opening the contract window, adding
// a contract (the free serial included) and opening the contract pick.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/assets.h"
#include "common/dates.h"
#include "common/files.h"
#include "common/table/table.h"
#include "common/ui/ui.h"
#include "ledger/contract_pick.h"
#include "ledger/contract_window.h"
#include "platform/scripted/scripted_platform.h"

namespace {

constexpr int kContracts = 5000;

// A run directory holding a contract table of kContracts contracts, open under "合同".
class ContractTableOnDisk {
 public:
  ContractTableOnDisk() {
    char pattern[] = "/tmp/contracts-bench-XXXXXX";
    dir_ = mkdtemp(pattern);
    SetRunDirectoryForTests(dir_);
    for (const char* name : {"合同.rdb", "合同.rdt", "出租单数据.rdb"}) {
      auto bytes = FindAsset(name);
      WriteBinaryToFile(RunPath(name), ByteSet(bytes.begin(), bytes.end()));
    }
    OpenTable(RunPath("合同.rdb"), "合同");
    const ByteSet dockets = ReadFileToBinary(RunPath("出租单数据.rdb"));
    for (int i = 1; i <= kContracts; ++i) {
      AppendRecord({int32_t{i}, "建筑单位" + std::to_string(i), MakeDateTime(2023, 1, 1), 0.5, 1.5f,
                    0.25f, 2.0f, 3.0f, std::string("备注"), 0.75, int32_t{i}, dockets});
    }
  }
  ~ContractTableOnDisk() {
    CloseAllTables();
    SetRunDirectoryForTests("");
    std::filesystem::remove_all(dir_);
  }

 private:
  std::string dir_;
};

// Opens the window modally and closes it at once, through the scripted desktop.
void OpenAndClose(benchmark::State& state, const ui::WindowDecl& decl, ui::WindowRef self) {
  ContractTableOnDisk table;
  for (auto _ : state) {
    ScriptedPlatform script;
    script.Close(self);
    std::string failure;
    if (!RunScripted(
            script, [&decl] { ui::LoadWindow(decl, true); }, &failure)) {
      state.SkipWithError(failure.c_str());
      return;
    }
  }
}

void BM_OpenContractWindow(benchmark::State& state) {
  OpenAndClose(state, ContractWindowDecl(), ContractWindow::self);
}
BENCHMARK(BM_OpenContractWindow)->Unit(benchmark::kMillisecond);

void BM_OpenContractPick(benchmark::State& state) {
  OpenAndClose(state, ContractPickWindowDecl(), ContractPickWindow::self);
}
BENCHMARK(BM_OpenContractPick)->Unit(benchmark::kMillisecond);

// One 保存 in adding mode: the free serial, the append and the rebuilt grid.
void BM_AddContract(benchmark::State& state) {
  ContractTableOnDisk table;
  ScriptedPlatform script;
  script.Click(ContractWindow::按钮1).Type(ContractWindow::编辑框2, "新合同");
  script.Do([&state] {
    for (auto _ : state) ContractWindow_OnSaveClick();
  });
  script.Close(ContractWindow::self);
  std::string failure;
  if (!RunScripted(
          script, [] { ui::LoadWindow(ContractWindowDecl(), true); }, &failure)) {
    state.SkipWithError(failure.c_str());
  }
}
BENCHMARK(BM_AddContract)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
