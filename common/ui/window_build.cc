// Building the live model of a window from its declaration.
#include "common/platform.h"
#include "common/ui/framework_state.h"

namespace ui::internal {
namespace {

// The date a date box shows when the window opens: now.
DateTime StartDate() { return CurrentPlatform().Now(); }

int StartSelection(const UnitDecl& d) { return d.kind == Kind::kTab && !d.items.empty() ? 0 : -1; }

std::unique_ptr<Unit> BuildUnit(Window& w, const UnitDecl& d) {
  auto u = std::make_unique<Unit>();
  u->window = &w;
  u->kind = d.kind;
  u->name = d.name;
  u->container = d.container ? d.container : "";
  u->page = d.page;
  u->rect = d.rect;
  u->text = d.mode == InputMode::kInteger ? NormaliseIntegerText(d.text) : d.text;
  u->font = d.font;
  u->mode = d.mode;
  u->visible = d.visible;
  u->disabled = d.disabled;
  u->checked = d.checked;
  u->items = d.items;
  u->item_data.assign(d.items.size(), 0);
  u->item_widths = d.item_widths;
  u->selected = StartSelection(d);
  if (d.kind == Kind::kDateBox) u->date = StartDate();
  u->interval = d.interval;
  u->minimum = d.minimum;
  u->maximum = d.maximum;
  u->value = d.minimum;
  u->picture = d.picture;
  u->text_limits = d.text_limits;
  if (d.kind == Kind::kGrid) u->grid.reset(NewGridModel(d));
  return u;
}

// Named menu entries become menu-item units; their container is the enclosing entry.
void AddMenuUnits(Window& w, const std::vector<MenuDecl>& menu, const std::string& parent) {
  for (const MenuDecl& m : menu) {
    if (m.name && !m.separator) {
      auto u = std::make_unique<Unit>();
      u->window = &w;
      u->kind = Kind::kMenuItem;
      u->name = m.name;
      u->container = parent;
      u->text = m.caption;
      u->visible = m.visible;
      w.units.push_back(std::move(u));
    }
    AddMenuUnits(w, m.items, m.name ? m.name : parent);
  }
}

}  // namespace

std::unique_ptr<Window> BuildWindow(const WindowDecl& decl) {
  auto w = std::make_unique<Window>();
  w->decl = &decl;
  w->name = decl.name;
  w->title = decl.caption;
  w->rect = decl.rect;
  w->visible = !decl.hidden;
  for (const UnitDecl& d : decl.units) w->units.push_back(BuildUnit(*w, d));
  AddMenuUnits(*w, decl.menu, "");
  return w;
}

}  // namespace ui::internal
