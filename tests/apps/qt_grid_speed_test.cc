// The contract window over many contracts on the Qt realisation: filling its grid writes every
// cell one by one, and the realisation must keep up (no repaint or relayout per cell). The
// time it takes is printed for a look, not asserted: a loaded machine may take any time.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <chrono>
#include <filesystem>
#include <string>

#include "common/assets.h"
#include "common/dates.h"
#include "common/files.h"
#include "common/grid/grid_ops.h"
#include "common/table/table.h"
#include "common/ui/ui.h"
#include "ledger/contract_window.h"
#include "platform/qt/qt_platform.h"

namespace {

namespace fs = std::filesystem;

TEST(QtGridSpeed, TheContractWindowOpensOverThousandsOfContracts) {
  static int argc = 1;
  static char name[] = "apps_tests";
  static char* argv[] = {name, nullptr};
  qtp::StartApplication(argc, argv);
  qtp::QtPlatform platform;
  InstallPlatform(&platform);
  ui::SetBackend(&platform.Windows());
  std::string dir = (fs::temp_directory_path() / "grid-speed-XXXXXX").string();
  ASSERT_NE(mkdtemp(dir.data()), nullptr);
  SetRunDirectoryForTests(dir);
  auto bytes = FindAsset("合同.rdb");
  ASSERT_TRUE(WriteBinaryToFile(RunPath("合同.rdb"), ByteSet(bytes.begin(), bytes.end())));
  bytes = FindAsset("合同.rdt");
  ASSERT_TRUE(WriteBinaryToFile(RunPath("合同.rdt"), ByteSet(bytes.begin(), bytes.end())));
  ASSERT_TRUE(OpenTable(RunPath("合同.rdb"), "合同"));
  const int kContracts = 3000;
  for (int i = 1; i <= kContracts; ++i) {
    ASSERT_TRUE(AppendRecord({int32_t{i}, "单位" + std::to_string(i), MakeDateTime(2024, 1, 2), 0.5,
                              0.012f, 0.008f, 0.05f, 0.3f, std::string("备注"), 0.2, int32_t{i}}));
  }
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(ui::LoadWindow(ContractWindowDecl(), false));
  QApplication::processEvents();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(GetGridRowCount(ContractWindow::高级表格1), kContracts + 1);
  EXPECT_EQ(GetGridCellData(ContractWindow::高级表格1, kContracts, 2), "单位3000");
  // A sanitizer build takes about 0.4 s here; one relayout per cell took 6 s.
  std::printf("contract window over %d contracts: %.3f s\n", kContracts, seconds);
  ui::ResetFramework();
  QApplication::processEvents();
  CloseAllTables();
  ui::SetBackend(nullptr);
  InstallPlatform(nullptr);
  SetRunDirectoryForTests("");
  fs::remove_all(dir);
}

}  // namespace
