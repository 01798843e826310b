// Print preview on the Qt realisation (offscreen): the time from the preview button to the
// preview window showing its first page, for the in/out reconciliation list of a contract
// with 2,500 and 10,000 dockets and for a 200-docket settlement statement; and the time to
// print the 10,000-docket list to a PDF file. Median of 5 runs each. Beside the preview, the
// same pages in Qt's stock preview window, which paints every page before it shows the first.
//   QT_QPA_PLATFORM=offscreen build/bench/bin/print_bench
#include <stdlib.h>

#include <QApplication>
#include <QDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/assets.h"
#include "common/dates.h"
#include "common/files.h"
#include "common/grid/grid_model.h"
#include "common/table/table.h"
#include "common/ui/ui.h"
#include "ledger/contract_pick_dockets.h"
#include "ledger/docket_edit.h"
#include "ledger/program_state.h"
#include "platform/qt/qt_grid_paint.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_print_preview.h"
#include "settlement/settlement_window.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
constexpr int kRuns = 5;
// Pages the preview had laid out when it was first shown, of all its pages (-1: not known).
int pages_laid = -1, pages_total = -1;

// The Qt desktop, except that message boxes are answered OK at once.
class AnsweringPlatform : public qtp::QtPlatform {
 public:
  int MessageBox(const std::string&, int, const std::string&) override { return 1; }
};

// A run directory with one contract of `dockets` dockets over 2024, open under "合同".
class ContractOnDisk {
 public:
  explicit ContractOnDisk(int dockets) {
    char pattern[] = "/tmp/print-bench-XXXXXX";
    dir_ = mkdtemp(pattern);
    SetRunDirectoryForTests(dir_);
    for (const char* name : {"合同.rdb", "合同.rdt", "出租单数据.rdb"}) {
      auto bytes = FindAsset(name);
      WriteBinaryToFile(RunPath(name), ByteSet(bytes.begin(), bytes.end()));
    }
    const std::string path = RunPath("构造.rdb");
    CopyDiskFile(RunPath("出租单数据.rdb"), path);
    OpenTable(path, "构造");
    for (int i = 0; i < dockets; ++i) {
      const bool out = i % 3 != 2;
      const double sign = out ? 1 : -1;
      AppendRecord({double(i + 1), DateTime{MakeDateTime(2024, 1, 1).days + i % 360}, out,
                    sign * (120 + i % 50), sign * (80 + i % 30), sign * (10 + i % 7),
                    sign * (i % 4), 0.0, std::string("备注")});
    }
    CloseTable("构造");
    const ByteSet bytes = ReadFileToBinary(path);
    OpenTable(RunPath("合同.rdb"), "合同");
    AppendRecord({int32_t{1}, std::string("东方明珠花园三期"), MakeDateTime(2024, 1, 1), 0.5,
                  0.012f, 0.008f, 0.05f, 0.3f, std::string(""), 0.2, int32_t{1}, bytes});
  }
  ~ContractOnDisk() {
    ui::ResetFramework();
    CloseAllTables();
    SetRunDirectoryForTests("");
    fs::remove_all(dir_);
  }

 private:
  std::string dir_;
};

// Runs the handler that opens the modal preview; the preview is closed as soon as it is
// visible and the events of its first showing have been handled. The time to that point.
double TimePreview(const std::function<void()>& open_preview) {
  const Clock::time_point start = Clock::now();
  double ms = -1;
  QTimer poll;
  poll.setInterval(0);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || !w->isVisible()) return;
    QApplication::processEvents();
    ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (auto* preview = dynamic_cast<qtp::PrintPreview*>(w)) {
      pages_laid = preview->pages_laid();
      pages_total = preview->page_count();
    }
    poll.stop();
    w->close();
  });
  poll.start();
  open_preview();
  return ms;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void Report(const char* action, int dockets, const std::function<double()>& run) {
  std::vector<double> times;
  pages_laid = pages_total = -1;
  for (int i = 0; i < kRuns; ++i) times.push_back(run());
  std::printf("%-44s %7d %10.1f", action, dockets, Median(times));
  if (pages_laid >= 0) std::printf("   %d of %d pages laid out", pages_laid, pages_total);
  std::printf("\n");
  std::fflush(stdout);
}

void Settle() {
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ReconciliationList(int dockets) {
  ContractOnDisk contract(dockets);
  PickedContract.record = 1;
  DocketMode = DocketModeValue::kEdit;
  SelectTable("合同");
  GoToRecord(1);
  OpenPickedContractDockets();
  ui::LoadWindow(DocketEditWindowDecl(), false);
  Settle();
  Report("reconciliation list: preview, first page", dockets,
         [] { return TimePreview(DocketEditWindow_OnPrintPreviewClick); });
  // Beside it, the same pages in Qt's own preview window, which paints every page first.
  Report("  the same in Qt's preview (all pages first)", dockets, [] {
    return TimePreview([] {
      QPrinter printer(QPrinter::HighResolution);
      QPrintPreviewDialog dialog(&printer);
      QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [](QPrinter* target) {
        qtp::PrintPages(*target, ui::Grid(DocketEditWindow::高级表格1));
      });
      dialog.exec();
    });
  });
  if (dockets >= 10000) {
    // No printer here: the print goes to grid.pdf in the run folder.
    Report("reconciliation list: print to PDF", dockets, [] {
      const Clock::time_point start = Clock::now();
      DocketEditWindow_OnPrintClick();
      return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    });
  }
  ui::DestroyWindowUnit(DocketEditWindow::self, true);
  Settle();
}

void Statement(int dockets) {
  ContractOnDisk contract(dockets);
  ui::LoadWindow(SettlementWindowDecl(), false);
  Settle();
  using W = SettlementWindow;
  ui::Unit* start = ui::FindUnit(W::日期框1);
  ui::Unit* end = ui::FindUnit(W::日期框2);
  ui::user::ChooseDay(*start, MakeDateTime(2024, 1, 1));
  ui::user::ChooseDay(*end, MakeDateTime(2024, 3, 1));
  SettlementWindow_OnSettleClick();
  Settle();
  Report("deduction statement: preview, first page", dockets,
         [] { return TimePreview(SettlementWindow_OnPrintPreviewClick); });
  ui::DestroyWindowUnit(W::self, true);
  Settle();
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qtp::StartApplication(argc, argv);
  AnsweringPlatform platform;
  InstallPlatform(&platform);
  ui::SetBackend(&platform.Windows());
  std::printf("%-44s %7s %10s\n", "action", "dockets", "median ms");
  ReconciliationList(2500);
  ReconciliationList(10000);
  Statement(200);
  ui::SetBackend(nullptr);
  InstallPlatform(nullptr);
  return 0;
}
