// The grid unit's save file on disk.
#include "common/env.h"
#include "common/grid/grid_access.h"
#include "common/grid/grid_file.h"

bool ExportGridToFile(ui::GridRef g, const std::string& path) {
  const GridModel* m = grid_internal::Model(g);
  ByteSet bytes;
  return m && ExportGrid(*m, &bytes) && ReplaceFileDurably(path, bytes);
}

bool ImportGridFromFile(ui::GridRef g, const std::string& path) {
  ByteSet bytes;
  return ReadWholeFile(path, &bytes) &&
         grid_internal::Change(g, [&](GridModel& m) { return ImportGrid(&m, bytes); });
}
