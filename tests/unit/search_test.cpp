#include "search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace subsetmax {
namespace {

// The items as the program reads them: count, then "load value" pairs.
std::string show(const std::vector<Item>& items) {
  std::ostringstream out;
  out << items.size();
  for (const Item& it : items) out << "  " << it.second << ' ' << it.first;
  return out.str();
}

// Both modes must print the same total, and each combination they name must
// pass the capacity test and add up to that total.
void check(const std::vector<Item>& items) {
  const Choice slow = exhaustive(items);
  const Choice fast = closed_form(items);
  ASSERT_EQ(fast.total, slow.total) << "input: " << show(items);
  for (const Choice* c : {&slow, &fast}) {
    int64_t total = 0;
    ASSERT_TRUE(passes(items, c->chosen, &total))
        << (c == &slow ? "exhaustive" : "closed form") << " names a failing combination; input: "
        << show(items);
    ASSERT_EQ(total, c->total) << "named items do not add up; input: " << show(items);
  }
}

std::vector<Item> from_input(std::initializer_list<std::pair<int32_t, int32_t>> pairs) {
  std::vector<Item> items;
  for (auto [load, value] : pairs) items.push_back(Item{value, load});
  return items;
}

TEST(Search, Simple) {
  struct Case {
    std::vector<Item> items;
    int64_t total;
  };
  const Case cases[] = {
      {{}, 0},
      {from_input({{5, 7}}), 7},
      {from_input({{5, -7}}), 0},
      {from_input({{-1, 10}, {5, 20}}), 30},
      {from_input({{-3, 9}, {4, 1}}), 1},
      {from_input({{1, 30}, {5, 20}, {100, 10}}), 40},
      {from_input({{1, 10}, {5, 10}, {0, 1}}), 21},
      {from_input({{4, 10}, {4, 10}, {4, 10}}), 30},
      {from_input({{1, 40}, {4, 30}, {2, 20}, {1, 10}}), 50},
      {from_input({{8, 40}, {4, 30}, {2, 20}, {1, 10}}), 100},
      // Load sums past 32 bits: 2L must not wrap to a negative and pass.
      {from_input({{INT32_MAX, 4}, {INT32_MAX, 3}, {INT32_MAX, 2}, {0, 1}}), 8},
      // Totals past 32 bits.
      {from_input({{0, INT32_MAX}, {0, INT32_MAX}, {0, INT32_MAX}}), 3 * int64_t{INT32_MAX}},
      {from_input({{INT32_MIN, INT32_MIN}, {0, INT32_MIN}}), 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(exhaustive(c.items).total, c.total) << "input: " << show(c.items);
    EXPECT_EQ(closed_form(c.items).total, c.total) << "input: " << show(c.items);
    check(c.items);
  }
}

// Every multiset of up to 6 items over small values and loads, ties, zeros
// and negatives included. Input order does not change the total; the random
// run below varies it.
TEST(Search, Enumerated) {
  const int32_t values[] = {-1, 0, 2, 3};
  const int32_t loads[] = {-1, 0, 1, 2, 4};
  std::vector<Item> kinds;
  for (int32_t v : values)
    for (int32_t l : loads) kinds.push_back(Item{v, l});
  const int k = static_cast<int>(kinds.size());

  for (int n = 0; n <= 6; ++n) {
    std::vector<int> pick(static_cast<size_t>(n), 0);  // non-decreasing kind indices
    for (;;) {
      std::vector<Item> items;
      for (int p : pick) items.push_back(kinds[static_cast<size_t>(p)]);
      check(items);
      if (HasFatalFailure()) return;
      int i = n - 1;
      while (i >= 0 && pick[static_cast<size_t>(i)] == k - 1) --i;
      if (i < 0) break;
      const int next = pick[static_cast<size_t>(i)] + 1;
      for (int j = i; j < n; ++j) pick[static_cast<size_t>(j)] = next;
    }
  }
}

// Random inputs of up to 16 items in several shapes: narrow ranges (ties),
// wide ranges, and valid doubling chains on the top values with noise.
TEST(Search, Stress) {
  std::mt19937 rng(20261211);
  auto uniform = [&](int64_t lo, int64_t hi) {
    return static_cast<int32_t>(std::uniform_int_distribution<int64_t>(lo, hi)(rng));
  };
  for (int round = 0; round < 600; ++round) {
    const int n = uniform(0, 16);
    std::vector<Item> items;
    switch (round % 4) {
      case 0:  // narrow: many ties
        for (int i = 0; i < n; ++i) items.push_back(Item{uniform(-2, 3), uniform(-2, 4)});
        break;
      case 1:  // the whole 32-bit range
        for (int i = 0; i < n; ++i)
          items.push_back(Item{uniform(INT32_MIN, INT32_MAX), uniform(INT32_MIN, INT32_MAX)});
        break;
      case 2:  // extremes and zeros
        for (int i = 0; i < n; ++i) {
          const int32_t pool[] = {INT32_MIN, -1, 0, 1, INT32_MAX - 1, INT32_MAX};
          items.push_back(Item{pool[uniform(0, 5)], pool[uniform(0, 5)]});
        }
        break;
      default: {  // a chain of doubling loads under the largest values
        const int chain = uniform(0, n);
        int64_t suffix = 0;
        int32_t value = 1000;
        std::vector<Item> top;
        for (int i = 0; i < chain; ++i) {
          const int64_t load = std::clamp<int64_t>(
              i == 0 ? uniform(1, 3) : suffix + uniform(-1, 2), INT32_MIN, INT32_MAX);
          suffix += load;
          value -= uniform(0, 5);  // ties now and then
          top.push_back(Item{value, static_cast<int32_t>(load)});
        }
        for (int i = chain; i < n; ++i)
          items.push_back(Item{uniform(-5, value), uniform(0, 2) == 0 ? 0 : uniform(-3, 6)});
        items.insert(items.end(), top.begin(), top.end());
        std::shuffle(items.begin(), items.end(), rng);
      }
    }
    check(items);
    if (HasFatalFailure()) return;
  }
}

// The longest chain 32-bit loads allow, loads 2^30, 2^29, ..., 2, 1, 1 under
// the 32 largest values, is found whole.
TEST(Search, Bound) {
  constexpr int kLongest = 32;
  std::vector<Item> items;
  int64_t want = 0;
  for (int k = 0; k < kLongest; ++k) {
    const int32_t load = k == kLongest - 1 ? 1 : int32_t{1} << (kLongest - 2 - k);
    items.push_back(Item{1000 - k, load});
    want += 1000 - k;
  }
  items.push_back(Item{8, 5});  // cannot extend the chain: left out
  items.push_back(Item{7, 5});  // the last position: free
  want += 7;
  std::reverse(items.begin(), items.end());
  Summary s;
  for (const Item& it : items) add(s, it);
  const Best b = best(s);
  EXPECT_EQ(b.total, want);
  EXPECT_EQ(b.chain_end, kLongest - 1);
  EXPECT_EQ(closed_form(items).total, want);
}

}  // namespace
}  // namespace subsetmax
