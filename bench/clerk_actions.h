#pragma once
// The clerk's actions clerk_bench times, each as the clerk does it in the windows.
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bench/clerk_data.h"
#include "bench/clerk_desk.h"

enum class Action {
  kOpenSettlement,
  kSettleDeduction,
  kSettleCumulative,
  kReconciliationPreview,
  kLoadDocketEditing,
  kOpenContractWindow,
  kOpenContractPick,
  kAddContract,
  kSaveDocketEditing,
  kOpenDocketEntry,
  kStoreDocket,
  kCloseDocketEntry,
};
inline constexpr int kActionCount = 12;

// What the table calls the action.
const char* ActionName(Action a);
// The time the action must stay under, milliseconds.
double ActionGoal(Action a);

// Times the actions in the process's CPU time instead of the wall clock (steadier on a
// machine that others use at the same time).
void UseCpuClock(bool on);

// Milliseconds of each run of each action.
using Timings = std::array<std::vector<double>, kActionCount>;

// Runs every action `reps` times on the desk over the data (its tables in the run directory,
// the contract table open under "合同") and adds the times to *timings.
void RunClerkActions(Desk& desk, const DecadeData& data, int reps, Timings* timings);

// Opens docket editing for the big contract, runs while_open and closes it without saving.
void WithBigDocketEditingOpen(Desk& desk, const DecadeData& data,
                              const std::function<void()>& while_open);
