// Tables written by real processes: two writers storing byte sets into one table at the same
// time, and a writer killed with SIGKILL at random moments, hundreds of times over.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <random>
#include <sstream>
#include <thread>

#include "common/record_fields.h"
#include "tests/common/table_test_util.h"

namespace {

// A contract's fields with its 合同号 and 数据.
std::vector<Value> Contract(int32_t number, ByteSet dockets) {
  return {number, {}, {}, {}, {}, {}, {}, {}, {}, {}, number, std::move(dockets)};
}

// Runs body in a child process; its exit code is 0 when body returned true.
pid_t Child(const std::function<bool()>& body) {
  pid_t pid = fork();
  if (pid == 0) _exit(body() ? 0 : 1);
  return pid;
}

int ExitCode(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

using TableProcessesTest = TableTest;

// Two processes store hundreds of contracts each into one table, and store each again with
// another size (so blocks are freed and taken again) while the other goes on: every record
// keeps its own bytes.
TEST_F(TableProcessesTest, TwoWritersKeepEveryRecordsBytes) {
  Template("合同.rdt");
  Template("合同.rdb");
  constexpr int kEach = 250;
  auto writer = [this](int who) {
    return [this, who] {
      if (!OpenTable(Path("合同.rdb"), "合同")) return false;
      for (int i = 0; i < kEach; ++i) {
        int32_t number = who * 1000 + i;
        if (!AppendRecord(Contract(number, Pattern(300 + 170 * (i % 7), number)))) return false;
        if (i % 3 == 0 && !WriteField(12, Pattern(900 - 170 * (i % 5), -number))) return false;
      }
      return true;
    };
  };
  pid_t a = Child(writer(1)), b = Child(writer(2));
  ASSERT_EQ(ExitCode(a), 0);
  ASSERT_EQ(ExitCode(b), 0);
  ASSERT_TRUE(OpenTable(Path("合同.rdb"), "合同"));
  ASSERT_EQ(GetRecordCount(), 2 * kEach);
  std::map<int32_t, int> seen;
  for (int r = 1; r <= GetRecordCount(); ++r) {
    GoToRecord(r);
    int32_t number = std::get<int32_t>(ReadField(1));
    int i = number % 1000;
    ByteSet want =
        i % 3 == 0 ? Pattern(900 - 170 * (i % 5), -number) : Pattern(300 + 170 * (i % 7), number);
    Value v;
    ASSERT_TRUE(ReadFieldChecked(12, &v)) << number;
    EXPECT_EQ(std::get<ByteSet>(v), want) << number;
    ++seen[number];
  }
  EXPECT_EQ(seen.size(), 2u * kEach);
}

// A process holding the table open (as rentdesk holds 合同 for its whole run) while another
// deletes and purges a contract (which puts a new file in the table's place): its next store
// lands in its own contract in the new file, and a store into the contract the other purged
// fails instead of landing in another one.
TEST_F(TableProcessesTest, AHolderFollowsAPurgeByAnotherProcess) {
  Template("合同.rdt");
  Template("合同.rdb");
  ASSERT_TRUE(OpenTable(Path("合同.rdb"), "合同"));
  for (int32_t c = 1; c <= 3; ++c) ASSERT_TRUE(AppendRecord(Contract(c, Pattern(600, c))));
  auto purge = [this](int record) {
    return Child([this, record] {
      CloseAllTables();  // the tables this process was forked with are the parent's
      return OpenTable(Path("合同.rdb"), "合同") && GoToRecord(record) && DeleteRecord() &&
             PurgeDeletedRecords();
    });
  };
  ASSERT_TRUE(GoToRecord(3));
  ASSERT_EQ(ExitCode(purge(2)), 0);
  ASSERT_TRUE(WriteField(12, Pattern(900, 30)));
  ASSERT_TRUE(GoToRecord(1));
  ASSERT_EQ(ExitCode(purge(1)), 0);
  EXPECT_FALSE(WriteField(12, Pattern(900, 10)));
  ASSERT_TRUE(AppendRecord(Contract(4, Pattern(700, 4))));
  CloseAllTables();
  ASSERT_TRUE(OpenTable(Path("合同.rdb"), "合同"));
  ASSERT_EQ(GetRecordCount(), 2);
  const std::pair<int32_t, ByteSet> want[] = {{3, Pattern(900, 30)}, {4, Pattern(700, 4)}};
  for (int r = 1; r <= 2; ++r) {
    GoToRecord(r);
    EXPECT_EQ(std::get<int32_t>(ReadField(1)), want[r - 1].first);
    EXPECT_EQ(std::get<ByteSet>(ReadField(kContractDockets.number)), want[r - 1].second);
  }
}

// What the killed writer's tables hold: each contract's 合同号 with its dockets, which must be
// numbered 1 to m (m = -1 when they are not), and each tally's id (-1 when its grid bytes are
// not its own).
struct Ledger {
  std::map<int32_t, int> contracts;
  std::vector<int> tallies;
  bool operator==(const Ledger&) const = default;
};

std::string Describe(const Ledger& l) {
  std::ostringstream out;
  for (const auto& [c, m] : l.contracts) out << c << ":" << m << " ";
  out << "| tallies";
  for (int t : l.tallies) out << " " << t;
  return out.str();
}

// The grid bytes of tally id.
ByteSet Grid(int id) { return Pattern(200 + 97 * (id % 13), id); }

class KilledWriter {
 public:
  explicit KilledWriter(std::string dir) : dir_(std::move(dir)) {}
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }

  // A docket table of dockets 1..m.
  ByteSet Dockets(int m) const {
    std::string path = Path("种子.rdb");
    CurrentEnv()->Remove(path);
    WriteTemplateIfMissing(path, "出租单数据.rdb");
    OpenTable(path, "种子", Durability::kScratch);
    for (int i = 1; i <= m; ++i)
      AppendRecord({int32_t{i}, DateTime{45000.0 + i}, true, 1.5 * i, int32_t{i}});
    CloseTable("种子");
    return FileBytes(path);
  }

  // The dockets numbered 1..m that bytes hold (-1 when they are anything else).
  int DocketCount(const ByteSet& bytes) const {
    std::string path = Path("读.rdb");
    if (!ReplaceFile(path, bytes, Durability::kScratch) ||
        !OpenTable(path, "读", Durability::kScratch))
      return -1;
    int m = GetRecordCount();
    for (int r = 1; r <= m; ++r) {
      GoToRecord(r);
      if (std::get<int32_t>(ReadField("单号")) != r) m = -1;
    }
    CloseTable("读");
    return m;
  }

  // Reads the ledger; false when a table does not open or a byte set does not read.
  bool Read(Ledger* out) const {
    *out = {};
    std::vector<std::pair<int32_t, ByteSet>> sets;
    if (!OpenTable(Path("合同.rdb"), "合同")) return false;
    bool ok = true;
    for (int r = 1; r <= GetRecordCount(); ++r) {
      GoToRecord(r);
      Value v;
      ok = ReadFieldChecked(12, &v) && ok;
      sets.emplace_back(std::get<int32_t>(ReadField(1)), std::get<ByteSet>(v));
    }
    CloseTable("合同");
    for (const auto& [c, bytes] : sets) out->contracts[c] = DocketCount(bytes);
    if (!OpenTable(Path("码单数据库.rdb"), "码单")) return false;
    for (int r = 1; r <= GetRecordCount(); ++r) {
      GoToRecord(r);
      int id = std::stoi(std::get<std::string>(ReadField("日期")));
      Value v;
      ok = ReadFieldChecked("码单数据", &v) && ok;
      out->tallies.push_back(std::get<ByteSet>(v) == Grid(id) ? id : -1);
    }
    CloseTable("码单");
    return ok;
  }

  // The writer: reads the ledger and says "R" on fd, then forever makes a random change, each
  // announced before it begins ("B" and
  // the change) and after it returned ("A"). Changes: "S c m" contract c's dockets become
  // 1..m; "N c" contract c added with one docket; "D c" contract c deleted and purged; "T id"
  // a tally saved; "X id" a tally deleted; "C" every tally cleared.
  bool Write(int fd, uint32_t seed) const {
    Ledger l;
    if (!Read(&l) || write(fd, "R\n", 2) != 2) return false;
    std::mt19937 rng(seed);
    int next_id = 1000 + static_cast<int>(seed % 1000) * 1000;
    auto say = [fd](const std::string& line) {
      std::string s = line + "\n";
      return write(fd, s.data(), s.size()) == static_cast<ssize_t>(s.size());
    };
    for (int n = 0; n < 100000; ++n) {
      unsigned pick = rng() % 10;
      std::ostringstream change;
      std::function<bool()> op;
      if (pick < 5 && !l.contracts.empty()) {  // a docket store, growing or shrinking
        auto it = std::next(l.contracts.begin(), rng() % l.contracts.size());
        int c = it->first, m = std::max(0, it->second + (rng() % 4 == 0 ? -1 : 1));
        change << "S " << c << " " << m;
        ByteSet bytes = Dockets(m);
        op = [=, this, &l] {
          if (!OpenTable(Path("合同.rdb"), "合同")) return false;
          for (int r = 1; r <= GetRecordCount(); ++r) {
            GoToRecord(r);
            if (std::get<int32_t>(ReadField(1)) == c && !WriteField(12, bytes)) return false;
          }
          l.contracts[c] = m;
          return CloseTable("合同");
        };
      } else if (pick < 7 && (l.contracts.size() < 2 || (pick == 5 && l.contracts.size() < 6))) {
        int c = l.contracts.empty() ? 1 : l.contracts.rbegin()->first + 1;
        change << "N " << c;
        ByteSet bytes = Dockets(1);
        op = [=, this, &l] {
          bool ok = OpenTable(Path("合同.rdb"), "合同") && AppendRecord(Contract(c, bytes));
          l.contracts[c] = 1;
          return CloseTable("合同") && ok;
        };
      } else if (pick < 7) {
        int c = std::next(l.contracts.begin(), rng() % l.contracts.size())->first;
        change << "D " << c;
        op = [=, this, &l] {
          if (!OpenTable(Path("合同.rdb"), "合同")) return false;
          for (int r = 1; r <= GetRecordCount(); ++r) {
            GoToRecord(r);
            if (std::get<int32_t>(ReadField(1)) == c && !DeleteRecord()) return false;
          }
          l.contracts.erase(c);
          return PurgeDeletedRecords() && CloseTable("合同");
        };
      } else if (pick < 9 || l.tallies.empty()) {
        int id = ++next_id;
        change << "T " << id;
        op = [=, this, &l] {
          bool ok = OpenTable(Path("码单数据库.rdb"), "码单") &&
                    AppendRecord({std::to_string(id), Grid(id), int32_t{1}, 2.0, false});
          l.tallies.push_back(id);
          return CloseTable("码单") && ok;
        };
      } else if (l.tallies.size() < 5) {
        size_t k = rng() % l.tallies.size();
        change << "X " << l.tallies[k];
        op = [=, this, &l] {
          bool ok = OpenTable(Path("码单数据库.rdb"), "码单") &&
                    GoToRecord(static_cast<int>(k) + 1) && DeleteRecord() && PurgeDeletedRecords();
          l.tallies.erase(l.tallies.begin() + static_cast<std::ptrdiff_t>(k));
          return CloseTable("码单") && ok;
        };
      } else {
        change << "C";
        op = [&l, this] {
          bool ok = OpenTable(Path("码单数据库.rdb"), "码单") && ClearTable();
          l.tallies.clear();
          return CloseTable("码单") && ok;
        };
      }
      if (!say("B " + change.str()) || !op() || !say("A")) return false;
    }
    return true;
  }

 private:
  std::string dir_;
};

// Applies one announced change to a ledger.
void Apply(const std::string& change, Ledger* l) {
  std::istringstream in(change);
  char kind;
  int x = 0, m = 0;
  in >> kind >> x >> m;
  if (kind == 'S' || kind == 'N') l->contracts[x] = kind == 'S' ? m : 1;
  if (kind == 'D') l->contracts.erase(x);
  if (kind == 'T') l->tallies.push_back(x);
  if (kind == 'X') l->tallies.erase(std::find(l->tallies.begin(), l->tallies.end(), x));
  if (kind == 'C') l->tallies.clear();
}

// A writer doing docket stores, contract adds and deletes with purge and tally saves, deletes
// and clears is killed at a random moment, again and again, each run going on from what the
// last one left. After every kill the tables open and hold exactly the changes acknowledged,
// or those and the one under way.
TEST_F(TableProcessesTest, AWriterKilledAtRandomLeavesNoMixedState) {
  Template("合同.rdt");
  Template("合同.rdb");
  Template("码单数据库.RDT");
  Template("码单数据库.rdb");
  ASSERT_TRUE(OpenTable(Path("码单数据库.rdb"), "码单") && ClearTable());  // no samples
  CloseAllTables();
  KilledWriter writer(dir_);
  Ledger model;
  ASSERT_TRUE(writer.Read(&model));
  CloseAllTables();
  std::mt19937 rng(7);
  constexpr int kKills = 200;
  int changes = 0;
  for (int round = 0; round < kKills; ++round) {
    SCOPED_TRACE(round);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    uint32_t seed = rng();
    pid_t pid = fork();
    if (pid == 0) {
      close(fds[0]);
      _exit(writer.Write(fds[1], seed) ? 0 : 1);
    }
    close(fds[1]);
    char ready[2] = {};
    ASSERT_EQ(read(fds[0], ready, 2), 2);  // the writer has read the ledger: its changes begin
    std::this_thread::sleep_for(std::chrono::microseconds(rng() % 5000));
    ::kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << status;
    std::string said;
    char buf[4096];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;)
      said.append(buf, static_cast<size_t>(n));
    close(fds[0]);
    std::istringstream lines(said);
    std::string line, under_way;
    for (; std::getline(lines, line);) {
      if (line.rfind("B ", 0) == 0) {
        under_way = line.substr(2);
      } else if (line == "A" && !under_way.empty()) {
        Apply(under_way, &model);
        under_way.clear();
        ++changes;
      }
    }
    Ledger got;
    ASSERT_TRUE(writer.Read(&got)) << Describe(got);
    Ledger with = model;
    if (!under_way.empty()) Apply(under_way, &with);
    ASSERT_TRUE(got == model || got == with)
        << "read: " << Describe(got) << "\nacknowledged: " << Describe(model)
        << "\nwith the change under way (" << under_way << "): " << Describe(with) << "\nsaid:\n"
        << said;
    model = got;
  }
  std::cout << "[ kill ] " << kKills << " kills, " << changes << " acknowledged changes\n";
}

}  // namespace
