#pragma once
// The fixture of the tests of rentdesk's and tallybench's windows on the Qt realisation
// (offscreen): a fresh run directory with the stored table templates and the contract table
// open, contracts with a month of dockets, and a desktop that answers message boxes at once.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/assets.h"
#include "common/dates.h"
#include "common/files.h"
#include "common/table/table.h"
#include "common/ui/ui.h"
#include "ledger/program_state.h"
#include "platform/qt/qt_platform.h"
#include "tests/platform/qt_fixture.h"

namespace qtapp {

namespace fs = std::filesystem;

// The Qt desktop, except that message boxes are answered at once (OK, or No when asked);
// on_message looks at the windows while a box is up; a set `now` stops the clock there.
class AnsweringPlatform : public qtp::QtPlatform {
 public:
  int MessageBox(const std::string& text, int flags, const std::string&) override {
    messages.push_back(text);
    if (on_message) on_message();
    return (flags & 0xF) == 4 || (flags & 0xF) == 3 ? 7 : 1;
  }
  DateTime Now() override { return now ? *now : qtp::QtPlatform::Now(); }
  std::vector<std::string> messages;
  std::function<void()> on_message;
  std::optional<DateTime> now;
};

// One docket of a contract's 数据; returns carry negative quantities.
struct Docket {
  int number;
  DateTime date;
  bool out;
  double pipe, fasteners, jacks, beams, screws;
  std::string remark;
};

class QtAppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "apps_tests";
    static char* argv[] = {name, nullptr};
    qtp::StartApplication(argc, argv);
    InstallPlatform(&platform_);
    ui::SetBackend(&platform_.Windows());
    std::string pattern = (fs::temp_directory_path() / "qt-app-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    SetRunDirectoryForTests(dir_);
    for (const char* n : {"合同.rdb", "合同.rdt", "出租单数据.rdb"}) WriteTemplate(n);
    ASSERT_TRUE(OpenTable(RunPath("合同.rdb"), "合同"));
    DocketMode = DocketModeValue::kEntry;
    PickedContract = {};
    ContractAddMode = 0;
    EditedContractRecord = 0;
  }
  void TearDown() override {
    ui::ResetFramework();
    Settle();
    CloseAllTables();
    ui::SetBackend(nullptr);
    InstallPlatform(nullptr);
    SetRunDirectoryForTests("");
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  static void WriteTemplate(const char* name) {
    auto bytes = FindAsset(name);
    ASSERT_FALSE(bytes.empty()) << name;
    ASSERT_TRUE(WriteBinaryToFile(RunPath(name), ByteSet(bytes.begin(), bytes.end())));
  }
  static void Settle() { qtest::QtWindowTest::Settle(); }
  static void RunFor(int ms) { qtest::QtWindowTest::RunFor(ms); }

  // The bytes of a docket table holding these dockets.
  ByteSet DocketTable(const std::vector<Docket>& dockets) {
    const std::string path = dir_ + "/构造.rdb";
    EXPECT_TRUE(CopyDiskFile(RunPath("出租单数据.rdb"), path));
    EXPECT_TRUE(OpenTable(path, "构造"));
    for (const Docket& d : dockets) {
      EXPECT_TRUE(AppendRecord({double(d.number), d.date, d.out, d.pipe, d.fasteners, d.jacks,
                                d.beams, d.screws, d.remark}));
    }
    CloseTable("构造");
    ByteSet bytes = ReadFileToBinary(path);
    DeleteDiskFile(path);
    return bytes;
  }
  // Appends a contract to the contract table.
  void AddContract(const std::string& name, int serial, DateTime start,
                   const std::vector<Docket>& dockets) {
    const ByteSet bytes = DocketTable(dockets);
    ASSERT_TRUE(SelectTable("合同"));
    std::vector<Value> values = {int32_t{100 + serial},
                                 name,
                                 start,
                                 0.5,
                                 0.012f,
                                 0.008f,
                                 0.05f,
                                 0.3f,
                                 std::string("押金已收，月底结清"),
                                 0.2,
                                 int32_t{serial},
                                 bytes};
    ASSERT_TRUE(AppendRecord(values));
  }
  // A month of dockets on site: rentals in early April 2024, returns later.
  static std::vector<Docket> AMonthOfDockets() {
    return {
        {1, MakeDateTime(2024, 4, 2), true, 3600, 2400, 300, 0, 0, "首批"},
        {2, MakeDateTime(2024, 4, 9), true, 1800, 1200, 150, 24, 0, ""},
        {3, MakeDateTime(2024, 4, 18), false, -1200, -800, -100, 0, 35, "差螺丝"},
        {4, MakeDateTime(2024, 4, 27), false, -2000, -1500, -200, -12, 12, "二号楼拆架"},
    };
  }
  void ThreeContracts() {
    AddContract("东方明珠花园三期", 1, MakeDateTime(2024, 4, 1), AMonthOfDockets());
    AddContract("城南实验小学", 2, MakeDateTime(2024, 3, 15), {});
    AddContract("滨江路桥梁加固工程", 3, MakeDateTime(2024, 2, 20), {});
  }

  // Opens the window without waiting for it; the window is left open.
  static void Open(const ui::WindowDecl& decl) {
    ASSERT_TRUE(ui::LoadWindow(decl, false));
    Settle();
  }
  static QWidget* WidgetOf(ui::WindowRef w) {
    ui::Window* window = ui::FindWindow(w);
    return window ? static_cast<QWidget*>(window->realisation) : nullptr;
  }
  template <ui::Kind K>
  static ui::Unit& U(ui::Ref<K> r) {
    ui::Unit* u = ui::FindUnit(r);
    EXPECT_NE(u, nullptr) << r.name;
    static ui::Unit none;
    return u ? *u : none;
  }

  AnsweringPlatform platform_;
  std::string dir_;
};

}  // namespace qtapp
