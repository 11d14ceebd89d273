// A stable merge sort that stays within its range whatever the comparison
// answers. Owners of tree and list controls supply comparisons that are not
// strict weak orderings (ties answered as "greater", or worse); std::sort may
// then read outside the range, while this sort only ever chooses which of two
// elements goes first. O(n log n) comparisons, one buffer of n elements.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// Sorts values so that an element moves before an earlier one only when
// less(later, earlier) answers true; equal elements keep their order.
template <typename T, typename Less>
void StableMergeSort(std::vector<T>& values, Less less) {
  const std::size_t n = values.size();
  if (n < 2) return;
  std::vector<T> buffer(n);
  std::vector<T>* from = &values;
  std::vector<T>* to = &buffer;
  for (std::size_t width = 1; width < n; width *= 2) {
    for (std::size_t start = 0; start < n; start += 2 * width) {
      std::size_t mid = start + width < n ? start + width : n;
      std::size_t end = start + 2 * width < n ? start + 2 * width : n;
      std::size_t left = start, right = mid, out = start;
      while (left < mid && right < end) {
        // Take the right element only when it is strictly before the left one.
        if (less((*from)[right], (*from)[left])) {
          (*to)[out++] = std::move((*from)[right++]);
        } else {
          (*to)[out++] = std::move((*from)[left++]);
        }
      }
      while (left < mid) (*to)[out++] = std::move((*from)[left++]);
      while (right < end) (*to)[out++] = std::move((*from)[right++]);
    }
    std::swap(from, to);
  }
  if (from != &values) values = std::move(*from);
}
