#pragma once
// The distinct cell styles of one grid, each kept once and known by its number. Number 0 is
// the fresh style (CellStyle{}), so that a cell of style 0 and no text is a blank cell.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "common/grid/grid_types.h"

class CellStyles {
 public:
  CellStyles() { Reset(); }
  const CellStyle& operator[](uint32_t number) const { return styles_[number]; }
  size_t size() const { return styles_.size(); }
  // The number of the style; a style not kept yet is added.
  uint32_t Number(CellStyle style);
  // Forgets every style but the fresh one.
  void Reset();

 private:
  std::vector<CellStyle> styles_;
  std::unordered_multimap<size_t, uint32_t> by_hash_;
};
