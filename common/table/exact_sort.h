#pragma once
// The in-place sort whose order of equal elements the sorted tables rely on: a selection
// sort for ranges of up to 8 elements, otherwise a partition around the middle element with
// an explicit stack of ranges. Two equal elements come out reversed; three equal A, B, C come
// out B, C, A.
#include <tuple>
#include <utility>
#include <vector>

namespace table_internal {

// Sorts v ascending; cmp(a, b) < 0, 0 or > 0 as a is below, equal to or above b.
template <typename T, typename Cmp>
void ExactSort(std::vector<T>& v, Cmp cmp) {
  if (v.size() < 2) return;
  std::vector<std::pair<long, long>> later;
  long lo = 0, hi = static_cast<long>(v.size()) - 1;
  for (;;) {
    long n = hi - lo + 1;
    if (n <= 8) {
      for (long top = hi; top > lo; --top) {
        long max = lo;
        for (long p = lo + 1; p <= top; ++p)
          if (cmp(v[p], v[max]) > 0) max = p;
        std::swap(v[max], v[top]);
      }
    } else {
      std::swap(v[lo + n / 2], v[lo]);
      long a = lo, b = hi + 1;
      for (;;) {
        do ++a;
        while (a <= hi && cmp(v[a], v[lo]) <= 0);
        do --b;
        while (b > lo && cmp(v[b], v[lo]) >= 0);
        if (b < a) break;
        std::swap(v[a], v[b]);
      }
      std::swap(v[lo], v[b]);
      if (b - 1 - lo >= hi - a) {
        if (lo + 1 < b) later.emplace_back(lo, b - 1);
        if (a < hi) {
          lo = a;
          continue;
        }
      } else {
        if (a < hi) later.emplace_back(a, hi);
        if (lo + 1 < b) {
          hi = b - 1;
          continue;
        }
      }
    }
    if (later.empty()) return;
    std::tie(lo, hi) = later.back();
    later.pop_back();
  }
}

}  // namespace table_internal
