// The grid service makes and frees the model of every grid unit the framework builds.
#include "common/grid/grid_model.h"
#include "common/ui/ui.h"

namespace {
// The size a declared grid starts with, before its window sets its own.
constexpr int kDeclaredRows = 11;
constexpr int kDeclaredColumns = 6;

GridFont FontOf(const ui::Font& f) {
  GridFont font;
  font.face = f.face;
  font.height = f.height;
  font.weight = f.weight;
  font.charset = f.charset;
  font.italic = f.italic;
  font.underline = f.underline;
  return font;
}
}  // namespace

namespace ui {

void GridModelDeleter::operator()(GridModel* g) const { delete g; }

GridModel* NewGridModel(const UnitDecl& decl) {
  auto* grid = new GridModel(kDeclaredRows, kDeclaredColumns, FontOf(decl.font));
  grid->DeclareColumnWidths(decl.item_widths);
  return grid;
}

}  // namespace ui
