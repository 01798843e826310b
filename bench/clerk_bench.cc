// The clerk's actions on a decade of a big yard's data, on the scripted platform and on the Qt
// realisation (offscreen), at n = 1,250 contracts with a 2,500-docket contract, 2n and 4n:
// the median of five runs of each action, its growth from n to 4n and whether it meets its
// goal; then the peak memory of the process with docket editing open on the largest contract.
//   clerk_bench [--reps N] [--scales 1,2,4] [--desks scripted,qt] [--clock wall|cpu]
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/clerk_actions.h"
#include "bench/clerk_data.h"
#include "bench/clerk_desk.h"
#include "common/files.h"
#include "common/table/table.h"
#include "platform/qt/qt_platform.h"

namespace {

namespace fs = std::filesystem;

struct Options {
  int reps = 5;
  std::vector<int> scales = {1, 2, 4};
  std::vector<std::string> desks = {"scripted", "qt"};
  bool cpu_clock = false;
};

std::vector<std::string> Split(const std::string& list) {
  std::vector<std::string> out;
  std::stringstream in(list);
  for (std::string item; std::getline(in, item, ',');) out.push_back(item);
  return out;
}

Options ParseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i], value = argv[i + 1];
    if (flag == "--reps") o.reps = std::max(1, std::atoi(value.c_str()));
    if (flag == "--desks") o.desks = Split(value);
    if (flag == "--clock") o.cpu_clock = value == "cpu";
    if (flag == "--scales") {
      o.scales.clear();
      for (const std::string& s : Split(value))
        o.scales.push_back(std::max(1, std::atoi(s.c_str())));
    }
  }
  return o;
}

std::unique_ptr<Desk> MakeDesk(const std::string& name) {
  if (name == "qt") {
    StartQt();
    return MakeQtDesk();
  }
  return MakeScriptedDesk();
}

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// The process's peak resident memory so far, kB.
long PeakMemoryKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

// The machine's load over the last minute (the figures are wall-clock times).
std::string LoadAverage() {
  std::ifstream in("/proc/loadavg");
  std::string one;
  in >> one;
  return one.empty() ? "?" : one;
}

// Copies the data set into a run directory of its own and opens the contract table there.
void OpenRunDirectory(const std::string& from, const std::string& to) {
  fs::remove_all(to);
  fs::copy(from, to);
  SetRunDirectoryForTests(to);
  if (!OpenTable(to + "/合同.rdb", "合同")) {
    std::fprintf(stderr, "clerk_bench: the contract table does not open\n");
    std::exit(1);
  }
}

// The child process of the memory figure: docket editing open on the Qt desk.
int PeakMemoryChild(const std::string& folder, int scale) {
  const DecadeData data = DescribeDecadeData(scale);
  SetRunDirectoryForTests(folder);
  OpenTable(folder + "/合同.rdb", "合同");
  auto desk = MakeDesk("qt");
  desk->Install();
  desk->CatchUp();
  const long before = PeakMemoryKb();
  long open = 0;
  WithBigDocketEditingOpen(*desk, data, [&] { open = PeakMemoryKb(); });
  desk->Uninstall();
  std::printf("%ld %ld\n", before, open);
  return 0;
}

// Runs the child and reads its two figures.
bool MeasurePeakMemory(const std::string& folder, int scale, long* before, long* open) {
  const std::string command = fs::read_symlink("/proc/self/exe").string() + " --peak-memory '" +
                              folder + "' " + std::to_string(scale) + " 2>/dev/null";
  FILE* child = popen(command.c_str(), "r");
  if (!child) return false;
  const bool read = std::fscanf(child, "%ld %ld", before, open) == 2;
  return pclose(child) == 0 && read;
}

void PrintTable(const Options& o, const std::vector<std::string>& desks,
                const std::vector<std::vector<Timings>>& runs) {
  std::printf("\n%-38s %-9s", "action", "platform");
  for (int s : o.scales) std::printf(" %9s", (std::to_string(s) + "n ms").c_str());
  std::printf(" %7s  %s\n", "growth", "goal");
  for (int a = 0; a < kActionCount; ++a) {
    for (size_t d = 0; d < desks.size(); ++d) {
      std::printf("%-38s %-9s", ActionName(static_cast<Action>(a)),
                  desks[d] == "qt" ? "Qt" : "scripted");
      double first = 0, last = 0;
      for (size_t s = 0; s < o.scales.size(); ++s) {
        const double ms = Median(runs[s][d][a]);
        if (s == 0) first = ms;
        last = ms;
        std::printf(" %9.1f", ms);
      }
      const double goal = ActionGoal(static_cast<Action>(a));
      const double growth = first > 0 ? last / first : 0.0;
      // From n to 4n the work grows fourfold; the goal allows 4.5 times the time.
      const bool spans_4n = o.scales.front() == 1 && o.scales.back() == 4;
      std::printf(" %6.1fx  %s %.0f ms%s\n", growth, last < goal ? "meets" : "MISSES", goal,
                  spans_4n && growth > 4.5 ? ", GROWS OVER 4.5x" : "");
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--peak-memory") == 0) {
    return PeakMemoryChild(argv[2], std::atoi(argv[3]));
  }
  const Options o = ParseOptions(argc, argv);
  qtp::KeepFreedMemory();  // as the programs do from their start, also on the scripted desk
  const std::string load_before = LoadAverage();
  UseCpuClock(o.cpu_clock);
  std::string base = (fs::temp_directory_path() / "clerk-bench-XXXXXX").string();
  if (!mkdtemp(base.data())) return 1;
  std::vector<std::unique_ptr<Desk>> desks;
  for (const std::string& name : o.desks) desks.push_back(MakeDesk(name));
  std::vector<std::vector<Timings>> runs(o.scales.size(), std::vector<Timings>(desks.size()));
  std::string largest;
  for (size_t s = 0; s < o.scales.size(); ++s) {
    const std::string data_dir = base + "/data-" + std::to_string(o.scales[s]);
    fs::create_directories(data_dir);
    const DecadeData data = BuildDecadeData(data_dir, o.scales[s]);
    std::fprintf(stderr, "scale %dn: %d contracts, %d dockets, the largest contract %d\n",
                 o.scales[s], data.contracts, data.total_dockets, data.big_dockets);
    for (size_t d = 0; d < desks.size(); ++d) {
      const std::string run_dir = base + "/run";
      OpenRunDirectory(data_dir, run_dir);
      desks[d]->Install();
      RunClerkActions(*desks[d], data, o.reps, &runs[s][d]);
      desks[d]->Uninstall();
      CloseAllTables();
      SetRunDirectoryForTests("");
      fs::remove_all(run_dir);
    }
    largest = data_dir;
  }
  PrintTable(o, o.desks, runs);
  std::printf("\nmedian of %d runs, %s; load average %s at the start, %s at the end, on %u cores\n",
              o.reps, o.cpu_clock ? "the process's CPU time" : "wall-clock time",
              load_before.c_str(), LoadAverage().c_str(), std::thread::hardware_concurrency());
  const int scale = o.scales.back();
  long before = 0, open = 0;
  const std::string memory_dir = base + "/memory";
  fs::copy(largest, memory_dir);
  if (MeasurePeakMemory(memory_dir, scale, &before, &open)) {
    const DecadeData data = DescribeDecadeData(scale);
    std::printf(
        "\npeak memory, Qt, docket editing open on the %d-docket contract: %.1f MB "
        "(%.1f MB before it opened); goal 60 MB: %s\n",
        data.big_dockets, open / 1024.0, before / 1024.0, open < 60 * 1024 ? "meets" : "MISSES");
  }
  fs::remove_all(base);
  return 0;
}
