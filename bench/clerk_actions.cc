#include "bench/clerk_actions.h"

#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "common/grid/grid_ops.h"
#include "common/ui/ui.h"
#include "ledger/contract_pick.h"
#include "ledger/contract_window.h"
#include "ledger/docket_edit.h"
#include "ledger/docket_entry.h"
#include "ledger/program_state.h"
#include "settlement/settlement_window.h"

namespace {

bool g_cpu_clock = false;

// Milliseconds on the chosen clock: the wall clock, or the process's CPU time.
double Now() {
  if (g_cpu_clock) {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
  }
  return std::chrono::duration<double, std::milli>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

struct ActionInfo {
  const char* name;
  double goal_ms;
};
constexpr ActionInfo kActions[kActionCount] = {
    {"open the settlement window", 50},
    {"settle, deduction method", 50},
    {"settle, cumulative method", 50},
    {"reconciliation list (print preview)", 500},
    {"load docket editing", 50},
    {"open the contract window", 50},
    {"open the contract pick", 50},
    {"add a contract", 50},
    {"save docket editing", 50},
    {"open docket entry (big contract)", 50},
    {"store a docket", 50},
    {"close docket entry", 50},
};

[[noreturn]] void Stop(const std::string& why) {
  std::fprintf(stderr, "clerk_bench: %s\n", why.c_str());
  std::exit(1);
}

void Require(bool ok, const std::string& what) {
  if (!ok) Stop(what);
}

template <ui::Kind K>
ui::Unit& U(ui::Ref<K> ref) {
  ui::Unit* u = ui::FindUnit(ref);
  if (!u) Stop(std::string("no unit ") + ref.window + "." + ref.name);
  return *u;
}

ui::Window& W(ui::WindowRef ref) {
  ui::Window* w = ui::FindWindow(ref);
  if (!w) Stop(std::string("window ") + ref.name + " is not open");
  return *w;
}

double Since(double start) { return Now() - start; }

// Times body and the realisation catching up with it.
double Timed(Desk& desk, const std::function<void()>& body) {
  const double start = Now();
  body();
  desk.CatchUp();
  return Since(start);
}

class Run {
 public:
  Run(Desk& desk, const DecadeData& data, Timings* timings)
      : desk_(desk), data_(data), timings_(*timings) {}

  void Add(Action a, double ms) { timings_[static_cast<int>(a)].push_back(ms); }

  double Open(const ui::WindowDecl& decl) {
    return Timed(desk_, [&] { Require(ui::LoadWindow(decl, false), decl.name); });
  }

  void Close(ui::WindowRef w) {
    ui::user::Close(W(w));
    desk_.CatchUp();
  }

  // Opening the contract window, and one 保存 in adding mode.
  void ContractWindowActions() {
    using C = ContractWindow;
    Add(Action::kOpenContractWindow, Open(ContractWindowDecl()));
    Require(GetGridRowCount(C::高级表格1) > data_.contracts, "contract grid filled");
    ui::user::Click(U(C::按钮1));
    ui::user::Type(U(C::编辑框2), "新建工地");
    const int rows = GetGridRowCount(C::高级表格1);
    Add(Action::kAddContract, Timed(desk_, [] { ui::user::Click(U(C::按钮5)); }));
    Require(GetGridRowCount(C::高级表格1) == rows + 1, "contract added");
    Close(C::self);
    desk_.Check();
  }

  // Opening the settlement window and settling the big contract over the decade by both
  // methods.
  void SettlementActions() {
    using S = SettlementWindow;
    Add(Action::kOpenSettlement, Open(SettlementWindowDecl()));
    ui::user::ChooseItem(U(S::组合框1), data_.big_record - 1);
    ui::user::ChooseDay(U(S::日期框2), DateTime{DecadeLastDay()});
    Require(ui::GetText(S::组合框1) == data_.big_name, "big contract chosen");
    Add(Action::kSettleDeduction, Timed(desk_, [] { ui::user::Click(U(S::按钮1)); }));
    Require(GetGridRowCount(S::高级表格1) > data_.big_dockets, "deduction statement");
    ui::user::Click(U(S::单选框2));
    Add(Action::kSettleCumulative, Timed(desk_, [] { ui::user::Click(U(S::按钮1)); }));
    Require(GetGridRowCount(S::高级表格1) > data_.big_dockets, "cumulative statement");
    Close(S::self);
    desk_.Check();
  }

  // Picks the big contract in a new pick window; confirming opens the docket window, in
  // whose first wait `inside` runs. Returns the time of opening the pick window.
  double PickBigContract(DocketModeValue mode, std::function<void(double opened_ms)> inside) {
    DocketMode = mode;
    const double pick_ms = Open(ContractPickWindowDecl());
    ui::user::GridClick(U(ContractPickWindow::高级表格1), data_.big_record, 2);
    double start = 0;
    desk_.AtNextWait([this, &start, inside] {
      desk_.CatchUp();
      inside(Since(start));
    });
    start = Now();
    ui::user::Click(U(ContractPickWindow::按钮1));
    desk_.CatchUp();
    desk_.Check();
    return pick_ms;
  }

  // Docket entry for the big contract: open, store a rental docket of 12 m of pipe, close.
  void DocketEntryActions() {
    using E = DocketEntryWindow;
    const double pick_ms = PickBigContract(DocketModeValue::kEntry, [this](double opened_ms) {
      Add(Action::kOpenDocketEntry, opened_ms);
      ui::user::GridEdit(U(E::高级表格1), 1, 1, "12");
      desk_.ExpectBox("添加成功");
      Add(Action::kStoreDocket, Timed(desk_, [] { ui::user::Click(U(E::按钮1)); }));
      Require(GetGridCellData(E::高级表格1, 1, 1).empty(), "docket stored");
      Add(Action::kCloseDocketEntry, Timed(desk_, [] { ui::user::Close(W(E::self)); }));
    });
    Add(Action::kOpenContractPick, pick_ms);
  }

  // Docket editing for the big contract: load, preview the reconciliation list, save.
  void DocketEditActions() {
    using E = DocketEditWindow;
    PickBigContract(DocketModeValue::kEdit, [this](double opened_ms) {
      Add(Action::kLoadDocketEditing, opened_ms);
      Require(GetGridRowCount(E::高级表格1) > data_.big_dockets, "dockets loaded");
      desk_.ClosePreviewWhenShown();
      Add(Action::kReconciliationPreview, Timed(desk_, [] { ui::user::Click(U(E::按钮4)); }));
      desk_.ExpectBox("出租单修改成功");
      Add(Action::kSaveDocketEditing, Timed(desk_, [] { ui::user::Click(U(E::按钮1)); }));
      Require(ui::FindWindow(E::self) == nullptr, "docket editing closed");
    });
  }

 private:
  Desk& desk_;
  const DecadeData& data_;
  Timings& timings_;
};

}  // namespace

void UseCpuClock(bool on) { g_cpu_clock = on; }

const char* ActionName(Action a) { return kActions[static_cast<int>(a)].name; }

double ActionGoal(Action a) { return kActions[static_cast<int>(a)].goal_ms; }

void RunClerkActions(Desk& desk, const DecadeData& data, int reps, Timings* timings) {
  Run run(desk, data, timings);
  for (int i = 0; i < reps; ++i) {
    run.ContractWindowActions();
    run.SettlementActions();
    run.DocketEntryActions();
    run.DocketEditActions();
  }
}

void WithBigDocketEditingOpen(Desk& desk, const DecadeData& data,
                              const std::function<void()>& while_open) {
  Timings unused;
  Run run(desk, data, &unused);
  run.PickBigContract(DocketModeValue::kEdit, [&](double) {
    while_open();
    ui::user::Click(U(DocketEditWindow::按钮3));  // 关闭退出: nothing stored
  });
}
