// The user guide as the clerk opens it from 使用教程: shipped beside the programs with every
// picture it shows, one part with a picture for every window, every menu entry and unit name it
// quotes one that the windows declare (and every menu entry and button named), every message
// it quotes one the program shows.
#include "tests/apps/user_guide.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "common/files.h"
#include "common/ui/ui.h"
#include "ledger/backup_window.h"
#include "ledger/contract_pick.h"
#include "ledger/contract_window.h"
#include "ledger/docket_edit.h"
#include "ledger/docket_entry.h"
#include "ledger/login_window.h"
#include "ledger/main_window.h"
#include "ledger/settings_window.h"
#include "ledger/web_pages.h"
#include "settlement/settlement_window.h"
#include "tally/tally_commands.h"
#include "tally/tally_records.h"
#include "tally/tally_window.h"

namespace {

namespace fs = std::filesystem;

// Every window of rentdesk and tallybench.
std::vector<const ui::WindowDecl*> Windows() {
  return {&LoginWindow::Decl(),      &MainWindow::Decl(),       &ContractWindowDecl(),
          &ContractPickWindowDecl(), &DocketEntryWindowDecl(),  &DocketEditWindowDecl(),
          &SettlementWindowDecl(),   &SettingsWindowDecl(),     &BackupWindowDecl(),
          &TallyWindowDecl(),        &TallyRecordsWindowDecl(), &HelpWindowDecl()};
}

// A name as the guide may write it: blanks inside a caption ("确  定", "结算 ") are left out.
std::string Bare(std::string s) {
  std::erase(s, ' ');
  return s;
}

// The captions of every menu entry the clerk sees: the menu bars and the entries of pop-up
// menus (a hidden top menu serves as a pop-up, its own caption unseen).
std::set<std::string> DeclaredMenuNames() {
  std::set<std::string> names;
  std::function<void(const std::vector<ui::MenuDecl>&)> add = [&](const auto& menu) {
    for (const ui::MenuDecl& m : menu) {
      if (m.separator) continue;
      if (m.visible) names.insert(Bare(m.caption));
      add(m.items);
    }
  };
  for (const ui::WindowDecl* w : Windows()) add(w->menu);
  return names;
}

// What a unit shows of its own as declared: the caption of a visible button, label, check
// box, radio or group box, the page names of a tab, the column headings of a list view.
void AddUnitNames(const ui::UnitDecl& u, std::set<std::string>& names) {
  using ui::Kind;
  if (!u.visible) return;
  switch (u.kind) {
    case Kind::kTab:
    case Kind::kListView:
      for (const std::string& item : u.items) names.insert(Bare(item));
      break;
    case Kind::kButton:
    case Kind::kLabel:
    case Kind::kTransparentLabel:
    case Kind::kCheckBox:
    case Kind::kRadio:
    case Kind::kGroupBox:
      if (!u.text.empty()) names.insert(Bare(u.text));
      break;
    default:
      break;
  }
}

// Every window caption and every name a unit shows.
std::set<std::string> DeclaredUnitNames() {
  std::set<std::string> names;
  for (const ui::WindowDecl* w : Windows()) {
    if (!w->caption.empty()) names.insert(Bare(w->caption));
    for (const ui::UnitDecl& u : w->units) AddUnitNames(u, names);
  }
  return names;
}

// The names the guide quotes with that mark ("menu" or "ui").
std::set<std::string> Quoted(const std::string& page, const std::string& mark) {
  std::set<std::string> names;
  for (const std::string& s : guide::Between(page, "<span class=\"" + mark + "\">", "</span>")) {
    names.insert(Bare(guide::Shown(s)));
  }
  return names;
}

class UserGuide : public ::testing::Test {
 protected:
  void SetUp() override {
    page_ = guide::GuidePage();
    ASSERT_FALSE(page_.empty()) << guide::GuidePath();
  }
  std::string page_;
};

// The build lays the guide, its pictures and the update page out in the run directory (this
// test program's folder), where the menu entries open them.
TEST_F(UserGuide, IsShippedBesideTheProgramsWithEveryPicture) {
  const std::string run = GetRunDirectory();
  EXPECT_EQ(guide::ReadFile(run + "/" + kTutorialFileName), guide::ReadFile(guide::GuidePath()))
      << "the shipped guide is stale";
  const std::vector<std::string> pictures = guide::Between(page_, "<img src=\"", "\"");
  ASSERT_FALSE(pictures.empty());
  for (const std::string& p : pictures) {
    EXPECT_TRUE(fs::is_regular_file(guide::DocsFolder() + "/" + p)) << p;
    EXPECT_TRUE(fs::is_regular_file(run + "/" + p)) << p << " is not shipped";
  }
  const std::string update = guide::ReadFile(run + "/" + kSoftwareUpdateFileName);
  EXPECT_NE(update.find("bash scripts/setup.sh release"), std::string::npos);
  EXPECT_NE(update.find(run), std::string::npos) << "the page names the run directory";
  EXPECT_EQ(update.find("@"), std::string::npos) << "a placeholder is left";
}

TEST_F(UserGuide, EveryWindowHasItsPartWithAPicture) {
  const auto sections = guide::WindowSections(page_);
  for (const ui::WindowDecl* w : Windows()) {
    int found = 0;
    for (const auto& [name, body] : sections) {
      if (name != w->name) continue;
      ++found;
      EXPECT_NE(body.find("<img src=\""), std::string::npos) << name << " has no picture";
    }
    EXPECT_EQ(found, 1) << w->name;
  }
}

TEST_F(UserGuide, QuotesTheDeclaredNamesAndNamesEveryMenuEntryAndButton) {
  const std::set<std::string> menus = DeclaredMenuNames(), units = DeclaredUnitNames();
  const std::set<std::string> quoted_menus = Quoted(page_, "menu");
  const std::set<std::string> quoted_units = Quoted(page_, "ui");
  for (const std::string& name : quoted_menus) {
    EXPECT_TRUE(menus.count(name)) << name << " is no menu entry of the program";
  }
  for (const std::string& name : quoted_units) {
    EXPECT_TRUE(units.count(name)) << name << " is no window or unit name of the program";
  }
  for (const std::string& name : menus) EXPECT_TRUE(quoted_menus.count(name)) << name;
  for (const ui::WindowDecl* w : Windows()) {
    for (const ui::UnitDecl& u : w->units) {
      if (u.kind == ui::Kind::kButton && u.visible) {
        EXPECT_TRUE(quoted_units.count(Bare(u.text))) << u.text << " of " << w->name;
      }
    }
  }
}

// The message texts the guide quotes are the program's own: each is a whole text literal of
// the programs' sources.
TEST_F(UserGuide, QuotesOnlyTheProgramsOwnMessages) {
  std::string sources;
  for (const char* folder : {"common", "ledger", "settlement", "tally"}) {
    for (const auto& f :
         fs::recursive_directory_iterator(std::string(RENT_SOURCE_DIR) + "/" + folder)) {
      if (f.path().extension() == ".cc") sources += guide::ReadFile(f.path().string());
    }
  }
  const std::vector<std::string> quoted = guide::Between(page_, "<span class=\"msg\">", "</span>");
  ASSERT_FALSE(quoted.empty());
  for (const std::string& m : quoted) {
    const std::string text = guide::Shown(m);
    EXPECT_NE(sources.find("\"" + text + "\""), std::string::npos) << text;
  }
}

}  // namespace
