#pragma once

#include <tuple>
#include <utility>
#include <vector>

namespace quil {

namespace quil_sort_detail {

// One partition pass of positions l..r (l < r) around the item first found at their middle;
// the pivot is followed by index as swaps move it. Answers the final (i, j): l..j and i..r
// are left to sort.
template <class Compare, class Swap>
std::pair<int, int> Partition(int l, int r, Compare& compare, Swap& swap) {
  int i = l;
  int j = r;
  int m = l + (r - l) / 2;
  do {
    // Bounded by the range: a comparison that calls an item less than itself (a NaN compared
    // with the usual operators, say) would otherwise carry a scan past the end.
    while (i < r && compare(i, m) < 0) ++i;
    while (j > l && compare(m, j) < 0) --j;
    if (i < j) {
      swap(i, j);
      if (m == i)
        m = j;
      else if (m == j)
        m = i;
    }
    if (i <= j) {
      ++i;
      --j;
    }
  } while (i < j);
  return {i, j};
}

}  // namespace quil_sort_detail

// Sorts positions startIndex..endIndex of whatever the two callbacks reach: compare(a, b) is
// below zero when the item at a belongs before the one at b, and swap(a, b) exchanges two items,
// so one sort can move several parallel lists (a whole series) together. Not stable.
// The left part of each partition is finished before the right one; pending right parts wait on
// a heap stack, so an unlucky input costs time but never the call stack.
template <class Compare, class Swap>
void QuilSort(int startIndex, int endIndex, Compare&& compare, Swap&& swap) {
  std::vector<std::pair<int, int>> pending;
  int l = startIndex;
  int r = endIndex;
  for (;;) {
    if (l < r) {
      const auto [i, j] = quil_sort_detail::Partition(l, r, compare, swap);
      if (i < r) pending.emplace_back(i, r);
      if (l < j) {
        r = j;
        continue;
      }
    }
    if (pending.empty()) return;
    std::tie(l, r) = pending.back();
    pending.pop_back();
  }
}

}  // namespace quil
