#include "search.h"

#include <algorithm>
#include <functional>
#include <numeric>

namespace subsetmax {

namespace {

// The exhaustive search works in place on static tables: an excluded
// position holds (0, 0) for the duration of its branch. Sums are 64-bit so
// no total can overflow.
int n;
Item a[kExhaustiveMax];
int64_t ss[kExhaustiveMax];
int64_t res;
uint32_t at[kExhaustiveMax];  // input index of each sorted position
uint64_t take;                // bit i: position i included on this path
uint64_t best_take;

void dfs(int i) {
  if (i != n) {
    const Item saved = a[i];
    take |= uint64_t{1} << i;
    dfs(i + 1);
    take &= ~(uint64_t{1} << i);
    a[i].second = 0;
    a[i].first = 0;
    dfs(i + 1);
    a[i] = saved;
    return;
  }
  // ss[n-1] stays 0, so the last position's load enters no sum.
  for (int j = n - 2; j >= 0; --j) ss[j] = ss[j + 1] + a[j].second;
  bool ok = true;
  for (int k = n - 2; k >= 0; --k)
    if (ss[k + 1] > a[k].second) ok = false;
  if (!ok) return;
  int64_t total = 0;
  for (int m = 0; m < n; ++m) total += a[m].first;
  if (total > res) {
    res = total;
    best_take = take;
  }
}

}  // namespace

std::vector<uint32_t> sorted_order(const std::vector<Item>& items) {
  std::vector<uint32_t> order(items.size());
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(), [&](uint32_t x, uint32_t y) {
    if (items[x] != items[y]) return items[x] > items[y];
    return x < y;
  });
  return order;
}

Choice exhaustive(const std::vector<Item>& items) {
  const std::vector<uint32_t> order = sorted_order(items);
  n = static_cast<int>(items.size());
  for (int i = 0; i < n; ++i) {
    a[i] = items[order[static_cast<size_t>(i)]];
    at[i] = order[static_cast<size_t>(i)];
    ss[i] = 0;
  }
  res = 0;
  take = 0;
  best_take = 0;  // the empty combination always passes with total 0
  dfs(0);
  Choice c;
  c.total = res;
  for (int i = 0; i < n; ++i)
    if (best_take >> i & 1) c.chosen.push_back(at[i]);
  std::sort(c.chosen.begin(), c.chosen.end());
  return c;
}

namespace {

// Earns its value whatever the suffix load: load 0 never raises the sum.
int64_t free_value(Item item) {
  return item.second == 0 && item.first > 0 ? item.first : 0;
}

}  // namespace

void add(Summary& s, Item item) {
  if (s.n == 0 || item < s.last) s.last = item;
  ++s.n;
  s.free_gain += free_value(item);
  // std::greater keeps the smallest of the kept items at the heap's front.
  if (s.top_size < kChain) {
    s.top[s.top_size++] = item;
    std::push_heap(s.top, s.top + s.top_size, std::greater<>());
  } else if (item > s.top[0]) {
    std::pop_heap(s.top, s.top + kChain, std::greater<>());
    s.top[kChain - 1] = item;
    std::push_heap(s.top, s.top + kChain, std::greater<>());
  }
}

Best best(const Summary& s) {
  Best b;
  if (s.n == 0) return b;
  Item top[kChain];
  std::copy(s.top, s.top + s.top_size, top);
  std::sort(top, top + s.top_size, std::greater<>());

  // The last position is free: never tested, its load in no sum.
  const int64_t tail = std::max<int64_t>(s.last.first, 0);
  const int64_t rest = s.free_gain - free_value(s.last);  // positions 0..n-2
  b.total = rest + tail;

  // A chain ending at p takes positions 0..p; each needs a load at least
  // the sum of the loads after it in the chain, and the chain's end a
  // positive load. Positions p+1..n-2 then see a suffix load of 0.
  const int64_t last_start = std::min<int64_t>(s.top_size, static_cast<int64_t>(s.n) - 1);
  int64_t prefix_value = 0, prefix_free = 0;
  for (int p = 0; p < last_start; ++p) {
    prefix_value += top[p].first;
    prefix_free += free_value(top[p]);
    if (top[p].second <= 0) continue;
    int64_t load = top[p].second;
    bool ok = true;
    for (int k = p - 1; k >= 0 && ok; --k) {
      ok = top[k].second >= load;
      load += top[k].second;
    }
    const int64_t total = prefix_value + rest - prefix_free + tail;
    if (ok && total > b.total) {
      b.total = total;
      b.chain_end = p;
    }
  }
  return b;
}

Choice closed_form(const std::vector<Item>& items) {
  Summary s;
  for (const Item& item : items) add(s, item);
  const Best b = best(s);
  Choice c;
  c.total = b.total;
  const std::vector<uint32_t> order = sorted_order(items);
  const size_t size = order.size();
  for (size_t k = 0; k < size; ++k) {
    const Item& item = items[order[k]];
    const bool in_chain = static_cast<int64_t>(k) <= b.chain_end;
    const bool is_last = k + 1 == size;
    if (in_chain || (is_last ? item.first > 0 : free_value(item) > 0))
      c.chosen.push_back(order[k]);
  }
  std::sort(c.chosen.begin(), c.chosen.end());
  return c;
}

bool passes(const std::vector<Item>& items, const std::vector<uint32_t>& chosen,
            int64_t* total) {
  std::vector<bool> in(items.size());
  for (uint32_t i : chosen) in.at(i) = true;
  const std::vector<uint32_t> order = sorted_order(items);
  *total = 0;
  int64_t suffix = 0;  // loads of included positions k+1..n-2
  bool ok = true;
  for (size_t k = order.size(); k-- > 0;) {
    const Item item = in[order[k]] ? items[order[k]] : Item{0, 0};
    *total += item.first;
    if (k + 1 == order.size()) continue;
    if (suffix > item.second) ok = false;
    suffix += item.second;
  }
  return ok;
}

}  // namespace subsetmax
