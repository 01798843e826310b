#include "common/grid/grid_fuzz_entry.h"

#include <cstdio>
#include <cstdlib>

#include "common/grid/grid_file.h"
#include "common/grid/grid_model.h"
#include "common/grid/page_layout.h"

namespace {

// Stops the run loudly: an accepted file did not survive a write and a read.
void Fail(const char* what) {
  std::fprintf(stderr, "grid fuzz: %s\n", what);
  std::abort();
}

// Lays out grids small enough to be worth drawing, so that the layout sees hostile sizes.
void LayoutSmall(const GridModel& g) {
  if (static_cast<long>(g.rows()) * g.cols() <= 20000) LayoutPages(g, PageSetup{});
}

}  // namespace

void FuzzGridFile(const uint8_t* data, size_t size) {
  ByteSet bytes(data, data + size);
  GridModel first(3, 3, GridFont{});
  if (!ImportGrid(&first, bytes)) return;
  LayoutSmall(first);
  ByteSet written, again;
  GridModel second;
  if (!ExportGrid(first, &written) || !ImportGrid(&second, written)) Fail("re-read refused");
  if (!ExportGrid(second, &again) || again != written) Fail("second write differs");
}
