// Every window of rentdesk and tallybench as declared: each shown unit lies inside its
// window's client area (or inside its group box or tab), no two shown units of the same
// place cover each other, so no caption, box or button hides another, and every picture a
// window shows is stored with the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/assets.h"
#include "common/picture.h"
#include "common/ui/ui.h"
#include "ledger/backup_window.h"
#include "ledger/contract_pick.h"
#include "ledger/contract_window.h"
#include "ledger/docket_edit.h"
#include "ledger/docket_entry.h"
#include "ledger/login_window.h"
#include "ledger/main_window.h"
#include "ledger/settings_window.h"
#include "platform/scripted/scripted_platform.h"
#include "settlement/settlement_window.h"
#include "tally/tally_commands.h"
#include "tally/tally_records.h"
#include "tally/tally_window.h"

namespace {

std::vector<const ui::WindowDecl*> EveryWindow() {
  return {&LoginWindow::Decl(),      &MainWindow::Decl(),       &ContractWindowDecl(),
          &ContractPickWindowDecl(), &DocketEntryWindowDecl(),  &DocketEditWindowDecl(),
          &SettingsWindowDecl(),     &BackupWindowDecl(),       &SettlementWindowDecl(),
          &TallyWindowDecl(),        &TallyRecordsWindowDecl(), &HelpWindowDecl()};
}

// Units that take no place of their own on the window.
bool Placed(const ui::UnitDecl& u) {
  return u.visible && u.kind != ui::Kind::kTimer && u.kind != ui::Kind::kBalloonTip &&
         u.kind != ui::Kind::kMenuItem;
}

// A frame line may stand on the edge of its place or on a neighbour's frame line: the tally
// window's panel starts 2 pixels above the client area, and two of its buttons share a line.
constexpr int kEdge = 2;

// The units share more than their frame lines.
bool Cover(const ui::Rect& a, const ui::Rect& b) {
  const int across = std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
  const int down = std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
  return across > kEdge && down > kEdge;
}

bool Inside(const ui::Rect& r, int width, int height) {
  return r.width > 0 && r.height > 0 && r.left >= -kEdge && r.top >= -kEdge &&
         r.left + r.width <= width + kEdge && r.top + r.height <= height + kEdge;
}

std::string Text(const ui::Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
         "x" + std::to_string(r.height);
}

// The client area as the windows were laid out for it: the declared outer size less the
// caption bar and a shown menu bar.
ui::Rect ClientArea(const ui::WindowDecl& d) {
  bool menu = false;
  for (const ui::MenuDecl& m : d.menu) menu = menu || m.visible;
  return {0, 0, d.rect.width,
          d.rect.height - ScriptedPlatform::kFrameHeight -
              (menu ? ScriptedPlatform::kMenuBarHeight : 0)};
}

TEST(WindowLayout, ShownUnitsLieInsideTheirPlace) {
  for (const ui::WindowDecl* d : EveryWindow()) {
    const ui::Rect client = ClientArea(*d);
    for (const ui::UnitDecl& u : d->units) {
      if (!Placed(u)) continue;
      ui::Rect place = client;
      if (u.container != nullptr) {
        for (const ui::UnitDecl& c : d->units) {
          if (std::string(c.name) == u.container) place = {0, 0, c.rect.width, c.rect.height};
        }
      }
      EXPECT_TRUE(Inside(u.rect, place.width, place.height))
          << d->name << "/" << u.name << " at " << Text(u.rect) << " in "
          << (u.container ? u.container : "the client area") << " of " << Text(place);
    }
  }
}

TEST(WindowLayout, NoTwoShownUnitsCoverEachOther) {
  for (const ui::WindowDecl* d : EveryWindow()) {
    for (size_t i = 0; i < d->units.size(); ++i) {
      const ui::UnitDecl& a = d->units[i];
      if (!Placed(a)) continue;
      for (size_t j = i + 1; j < d->units.size(); ++j) {
        const ui::UnitDecl& b = d->units[j];
        if (!Placed(b)) continue;
        const std::string a_in = a.container ? a.container : "",
                          b_in = b.container ? b.container : "";
        if (a_in != b_in || a.page != b.page) continue;
        EXPECT_FALSE(Cover(a.rect, b.rect)) << d->name << ": " << a.name << " at " << Text(a.rect)
                                            << " and " << b.name << " at " << Text(b.rect);
      }
    }
  }
}

// The stored picture of that name, decoded; an empty picture when it is missing or no JPEG.
Picture Decoded(const std::string& name) {
  Picture p;
  const auto bytes = FindAsset(name);
  if (bytes.empty() || !DecodeJpeg(bytes.data(), bytes.size(), &p)) return {};
  return p;
}

// A background, an icon or a picture button's picture that is missing would leave the clerk
// a blank window or button; each picture button shows its own, in the button's size.
TEST(WindowLayout, EveryPictureIsStoredAndEachButtonHasItsOwn) {
  for (const ui::WindowDecl* d : EveryWindow()) {
    for (const std::string& name : {d->picture, d->icon}) {
      if (!name.empty()) {
        EXPECT_GT(Decoded(name).width, 0) << d->name << ": " << name;
      }
    }
    std::vector<std::string> buttons;
    for (const ui::UnitDecl& u : d->units) {
      if (u.picture.empty()) continue;
      const Picture p = Decoded(u.picture);
      EXPECT_GT(p.width, 0) << d->name << "/" << u.name << ": " << u.picture;
      if (u.kind != ui::Kind::kPictureButton) continue;
      EXPECT_EQ(p.width, u.rect.width) << u.name;
      EXPECT_EQ(p.height, u.rect.height) << u.name;
      EXPECT_EQ(std::count(buttons.begin(), buttons.end(), u.picture), 0) << u.name;
      buttons.push_back(u.picture);
    }
  }
}

}  // namespace
