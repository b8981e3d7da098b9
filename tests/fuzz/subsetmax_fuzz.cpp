// Differential fuzzing of subsetmax: arbitrary bytes go through the program's
// own reader and solver in every mode. Well-formed input must give the same
// total in every mode and a named combination that passes the capacity test
// and adds up to it; malformed input must give exactly one error line.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cli.h"
#include "search.h"

namespace {

using subsetmax::Item;

// A plain reading of the input, independent of the program's reader.
struct Reference {
  bool ok = true;
  std::vector<Item> items;
};

bool parse_int(const std::string& t, int32_t& v) {
  size_t i = t[0] == '+' || t[0] == '-';
  if (i == t.size()) return false;
  long long m = 0;
  for (; i < t.size(); ++i) {
    if (t[i] < '0' || t[i] > '9') return false;
    m = m * 10 + (t[i] - '0');
    if (m > (1LL << 31)) m = 1LL << 32;  // out of range either way
  }
  if (t[0] == '-') m = -m;
  if (m < INT32_MIN || m > INT32_MAX) return false;
  v = static_cast<int32_t>(m);
  return true;
}

Reference read_reference(const uint8_t* data, size_t size) {
  std::vector<std::string> tokens;
  std::string t;
  for (size_t i = 0; i <= size; ++i) {
    // (strchr would find a NUL byte too; it is a token byte, not white space)
    const bool space =
        i == size || (data[i] != 0 && std::strchr(" \t\n\r\v\f", data[i]) != nullptr);
    if (!space) {
      t += static_cast<char>(data[i]);
    } else if (!t.empty()) {
      tokens.push_back(t);
      t.clear();
    }
  }
  Reference r;
  if (tokens.empty()) return r;
  int32_t n;
  if (!parse_int(tokens[0], n) || n < 0 || tokens.size() < 1 + 2 * size_t(n)) {
    r.ok = false;
    return r;
  }
  for (int32_t i = 0; i < n; ++i) {
    int32_t load, value;
    if (!parse_int(tokens[1 + 2 * size_t(i)], load) || !parse_int(tokens[2 + 2 * size_t(i)], value)) {
      r.ok = false;
      return r;
    }
    r.items.push_back(Item{value, load});
  }
  return r;
}

struct Outcome {
  int status;
  std::string out, err;
};

Outcome run(const uint8_t* data, size_t size, subsetmax::Options o) {
  static const char blank[] = " ";  // fmemopen takes no empty buffer
  std::FILE* in = size ? fmemopen(const_cast<uint8_t*>(data), size, "rb")
                       : fmemopen(const_cast<char*>(blank), 1, "rb");
  char *out_buf = nullptr, *err_buf = nullptr;
  size_t out_size = 0, err_size = 0;
  std::FILE* out = open_memstream(&out_buf, &out_size);
  std::FILE* err = open_memstream(&err_buf, &err_size);
  if (!in || !out || !err) std::abort();
  Outcome r;
  r.status = subsetmax::solve(o, subsetmax::Streams{in, out, err, "standard input"});
  std::fclose(in);
  std::fclose(out);
  std::fclose(err);
  r.out.assign(out_buf, out_size);
  r.err.assign(err_buf, err_size);
  std::free(out_buf);
  std::free(err_buf);
  return r;
}

[[noreturn]] void fail(const char* what, const uint8_t* data, size_t size, const Outcome& got) {
  std::fprintf(stderr, "%s\ninput: \"", what);
  for (size_t i = 0; i < size; ++i) std::fprintf(stderr, "\\x%02x", data[i]);
  std::fprintf(stderr, "\"\nstatus %d\nout: %s\nerr: %s\n", got.status, got.out.c_str(),
               got.err.c_str());
  std::abort();
}

// The named items (1-based input positions on the lines after the total).
std::vector<uint32_t> named(const std::string& out) {
  std::vector<uint32_t> chosen;
  size_t at = out.find('\n');
  while (at != std::string::npos && at + 1 < out.size()) {
    chosen.push_back(static_cast<uint32_t>(std::strtoul(out.c_str() + at + 6, nullptr, 10) - 1));
    at = out.find('\n', at + 1);
  }
  return chosen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Reference ref = read_reference(data, size);
  const Outcome plain = run(data, size, {false, false});
  if (!ref.ok) {
    const bool one_line = plain.err.rfind("subsetmax: line ", 0) == 0 &&
                          plain.err.find('\n') == plain.err.size() - 1;
    if (plain.status != 1 || !plain.out.empty() || !one_line)
      fail("malformed input not reported as one error line", data, size, plain);
    return 0;
  }
  if (plain.status != 0 || !plain.err.empty()) fail("well-formed input rejected", data, size, plain);

  std::vector<subsetmax::Options> modes = {{false, true}};
  if (ref.items.size() <= 14) modes.push_back({true, true});
  for (const subsetmax::Options& o : modes) {
    const Outcome got = run(data, size, o);
    if (got.status != 0 || got.out.compare(0, plain.out.size(), plain.out) != 0)
      fail(o.exhaustive ? "exhaustive total differs" : "explained total differs", data, size, got);
    int64_t total = 0;
    if (!subsetmax::passes(ref.items, named(got.out), &total) ||
        std::to_string(total) + "\n" != plain.out)
      fail("named combination fails the test or does not add up", data, size, got);
  }
  return 0;
}
