#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/quil_sort.h"

namespace quil {
namespace {

// Sorts values[start..end] with QuilSort, failing the test on any index outside that range.
void SortRange(std::vector<int>& values, int start, int end) {
  const auto inRange = [&](int i) {
    if (i < start || i > end) ADD_FAILURE() << "index " << i << " outside " << start << ".." << end;
    return i >= start && i <= end;
  };
  QuilSort(
      start, end,
      [&](int a, int b) {
        if (!inRange(a) || !inRange(b)) return 0;
        return values[a] < values[b] ? -1 : values[a] > values[b] ? 1 : (a < b ? -1 : 0);
      },
      [&](int a, int b) {
        if (inRange(a) && inRange(b)) std::swap(values[a], values[b]);
      });
}

std::vector<std::pair<std::string, std::vector<int>>> Inputs() {
  std::mt19937 random(11);
  std::vector<std::pair<std::string, std::vector<int>>> inputs{{"empty", {}}, {"one", {4}}, {"two", {2, 1}}};
  for (int size : {3, 10, 257, 5000}) {
    std::vector<int> ascending(size);
    std::iota(ascending.begin(), ascending.end(), 0);
    std::vector<int> descending(ascending.rbegin(), ascending.rend());
    std::vector<int> equal(size, 7);
    std::vector<int> organ(size);
    for (int i = 0; i < size; ++i) organ[i] = std::min(i, size - i);
    std::vector<int> fewKeys(size), wide(size);
    for (int i = 0; i < size; ++i) {
      fewKeys[i] = int(random() % 4);
      wide[i] = int(random() % 100000) - 50000;
    }
    const std::string n = std::to_string(size);
    for (auto& [name, v] : {std::pair{"ascending", ascending}, std::pair{"descending", descending},
                            std::pair{"equal", equal}, std::pair{"organ", organ}, std::pair{"fewKeys", fewKeys},
                            std::pair{"random", wide}})
      inputs.emplace_back(std::string(name) + n, v);
  }
  return inputs;
}

TEST(QuilSort, SortsEveryShapeOfInput) {
  for (auto [name, values] : Inputs()) {
    SCOPED_TRACE(name);
    std::vector<int> expected = values;
    std::sort(expected.begin(), expected.end());
    SortRange(values, 0, int(values.size()) - 1);
    EXPECT_EQ(values, expected);
  }
}

TEST(QuilSort, TouchesOnlyTheGivenRange) {
  std::vector<int> values{9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
  SortRange(values, 2, 6);
  EXPECT_EQ(values, (std::vector<int>{9, 8, 3, 4, 5, 6, 7, 2, 1, 0}));
}

// The scans stop at the pivot because it compares equal to itself. A comparison that never
// does (NaN with <) must still keep every index inside the range and finish.
TEST(QuilSort, ComparisonWithoutAnEqualStaysInBounds) {
  for (int size : {2, 3, 50, 1000}) {
    SCOPED_TRACE(size);
    int calls = 0;
    QuilSort(
        0, size - 1,
        [&](int a, int b) {
          const bool inside = a >= 0 && a < size && b >= 0 && b < size;
          EXPECT_TRUE(inside);
          ++calls;
          return inside ? -1 : 0;  // so that a fault is reported rather than looping for ever
        },
        [&](int a, int b) { EXPECT_TRUE(a >= 0 && a < size && b >= 0 && b < size); });
    EXPECT_GT(calls, 0);
  }
}

TEST(QuilSort, SwapMovesParallelListsTogether) {
  std::vector<int> keys{3, 1, 2, 3, 0};
  std::vector<char> tags{'d', 'b', 'c', 'e', 'a'};
  QuilSort(
      0, 4, [&](int a, int b) { return keys[a] < keys[b] ? -1 : keys[a] > keys[b] ? 1 : (a < b ? -1 : 0); },
      [&](int a, int b) {
        std::swap(keys[a], keys[b]);
        std::swap(tags[a], tags[b]);
      });
  EXPECT_EQ(keys, (std::vector<int>{0, 1, 2, 3, 3}));
  EXPECT_EQ(tags[0], 'a');
  EXPECT_EQ(tags[1], 'b');
  EXPECT_EQ(tags[2], 'c');
  EXPECT_TRUE((tags[3] == 'd' && tags[4] == 'e') || (tags[3] == 'e' && tags[4] == 'd'));
}

}  // namespace
}  // namespace quil
