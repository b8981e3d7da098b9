#pragma once
// The selection problem: items are (value, load) pairs held as
// std::pair<int32_t, int32_t> with `first` the value and `second` the load.
// Items are ordered descending by the pair; a combination passes the
// capacity test when every position k <= n-2 has a load (0 if excluded)
// at least the sum of the loads at positions k+1..n-2. The last position's
// load enters no sum and is never tested.

#include <cstdint>
#include <utility>
#include <vector>

namespace subsetmax {

using Item = std::pair<int32_t, int32_t>;  // first: value, second: load

// Largest number of items the exhaustive search accepts.
inline constexpr int kExhaustiveMax = 50;

// A best total with one combination that reaches it, as 0-based indices
// into the items as given, ascending.
struct Choice {
  int64_t total = 0;
  std::vector<uint32_t> chosen;
};

// Visits all 2^n include/exclude combinations, no pruning. O(2^n * n).
// Requires items.size() <= kExhaustiveMax. Not reentrant: uses static state.
Choice exhaustive(const std::vector<Item>& items);

// Streaming summary from which the best total follows in closed form.
// O(1) memory and amortised O(log kChain) per item, in any order.
//
// Why it works: walking from position n-2 down, the suffix load S never
// goes negative. While S is 0 an item may be left out, or taken if its load
// is >= 0; once S > 0 every earlier position must be taken with a load >= S,
// so S at least doubles per position and, with 32-bit loads, a chain of
// positive suffix load spans at most kChain positions from the top.
inline constexpr int kChain = 32;

struct Summary {
  uint64_t n = 0;
  Item top[kChain];         // min-heap of the kChain largest items
  int top_size = 0;
  Item last{};              // the smallest item: the last position
  int64_t free_gain = 0;    // sum of positive values with load 0
};

void add(Summary& s, Item item);

struct Best {
  int64_t total = 0;
  int chain_end = -1;  // chain occupies sorted positions 0..chain_end; -1: none
};

// O(kChain^2).
Best best(const Summary& s);

// The same total as exhaustive(), for any number of items. O(n log n).
Choice closed_form(const std::vector<Item>& items);

// Sorted order used to name a combination: descending by pair, equal pairs
// in input order. Returns input indices.
std::vector<uint32_t> sorted_order(const std::vector<Item>& items);

// Whether the items at `chosen` (input indices) pass the capacity test when
// laid out in sorted_order, and their value total. For checking results.
bool passes(const std::vector<Item>& items, const std::vector<uint32_t>& chosen,
            int64_t* total);

}  // namespace subsetmax
