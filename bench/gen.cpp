// Writes a random subsetmax input: the count, then "load value" lines.
// Usage: subsetmax_gen N SEED [narrow]
//   narrow: values and loads in 0..9, so some combinations pass
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: subsetmax_gen N SEED [narrow]\n", stderr);
    return 2;
  }
  const unsigned long long n = std::strtoull(argv[1], nullptr, 10);
  std::mt19937 rng(static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)));
  const bool narrow = argc > 3 && std::string(argv[3]) == "narrow";
  std::uniform_int_distribution<long long> wide(INT32_MIN, INT32_MAX), small(0, 9);
  std::string out = std::to_string(n) + "\n";
  for (unsigned long long i = 0; i < n; ++i) {
    const long long load = narrow ? small(rng) : wide(rng);
    const long long value = narrow ? small(rng) : wide(rng);
    out += std::to_string(load) + ' ' + std::to_string(value) + '\n';
    if (out.size() > (1 << 20)) {
      std::fwrite(out.data(), 1, out.size(), stdout);
      out.clear();
    }
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}
