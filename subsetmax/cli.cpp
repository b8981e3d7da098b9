#include "cli.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "input.h"
#include "search.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#ifndef SUBSETMAX_VERSION
#define SUBSETMAX_VERSION "0.0.0"
#endif

namespace subsetmax {

namespace {

const char kUsage[] =
    "usage: subsetmax [OPTIONS] [FILE]\n"
    "Reads a count n and then n pairs \"load value\" of 32-bit integers from FILE\n"
    "(standard input when FILE is absent or \"-\") and prints the largest total\n"
    "value over all combinations of the items that pass the capacity test.\n"
    "\n"
    "  --exhaustive  try every combination (at most 50 items); slow, for checking\n"
    "  --explain     after the total, list one best combination, one item a line:\n"
    "                its position in the input, then its load and value\n"
    "  -h, --help    print this help and exit\n"
    "  --version     print the version and exit\n";

void fail(std::FILE* err, const std::string& message) {
  std::fputs(("subsetmax: " + message + "\n").c_str(), err);
}

int usage_error(const std::string& message) {
  fail(stderr, message);
  std::fputs(kUsage, stderr);
  return 2;
}

std::string at_line(uint64_t line) { return "line " + std::to_string(line) + ": "; }

// Reports why `t` is not the integer wanted; `what` names it for end of input.
int bad_token(Token t, const Input& in, const std::string& what, const Streams& s) {
  switch (t) {
    case Token::End:
      fail(s.err, at_line(in.token_line) + "expected " + what + ", got end of input");
      break;
    case Token::NotInt:
      fail(s.err, at_line(in.token_line) + "expected an integer, got \"" + in.token_text + "\"");
      break;
    case Token::OutOfRange:
      fail(s.err, at_line(in.token_line) + "integer out of 32-bit range, got \"" + in.token_text + "\"");
      break;
    case Token::ReadError:
    case Token::Int:
      fail(s.err, "cannot read " + s.source + ": " + std::strerror(in.read_errno));
      break;
  }
  return 1;
}

std::string item_name(const char* field, uint64_t i, uint64_t n) {
  return std::string("the ") + field + " of item " + std::to_string(i + 1) + " of " +
         std::to_string(n);
}

// Reads item i of n; false (after reporting) when the input is malformed.
bool read_item(Input& in, uint64_t i, uint64_t n, const Streams& s, Item& item) {
  Token t = next_int(in, item.second);
  if (t != Token::Int) return bad_token(t, in, item_name("load", i, n), s), false;
  t = next_int(in, item.first);
  if (t != Token::Int) return bad_token(t, in, item_name("value", i, n), s), false;
  return true;
}

void print(std::FILE* out_file, const Choice& c, bool explain, const std::vector<Item>& items) {
  std::string out = std::to_string(c.total) + "\n";
  if (explain)
    for (uint32_t i : c.chosen)
      out += "item " + std::to_string(i + 1) + ": " + std::to_string(items[i].second) + " " +
             std::to_string(items[i].first) + "\n";
  std::fputs(out.c_str(), out_file);
}

// A result that could not be written is a failure, not a success.
int finish(int status) {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    fail(stderr, std::string("cannot write standard output: ") + std::strerror(errno));
    return 1;
  }
  return status;
}

}  // namespace

int solve(const Options& o, const Streams& s) {
  static Input in;  // large buffer: keep it off the stack
  open_input(in, s.in);

  int32_t count = 0;
  const Token t = next_int(in, count);
  if (t == Token::End) {  // no input at all: no items
    std::fputs("0\n", s.out);
    return 0;
  }
  if (t != Token::Int) return bad_token(t, in, "the count", s);
  if (count < 0) {
    fail(s.err, at_line(in.token_line) + "the count must not be negative, got " + std::to_string(count));
    return 1;
  }
  if (o.exhaustive && count > kExhaustiveMax) {
    fail(s.err, at_line(in.token_line) + "--exhaustive takes at most " + std::to_string(kExhaustiveMax) +
         " items, got " + std::to_string(count));
    return 1;
  }
  const uint64_t n = static_cast<uint64_t>(count);

  // The default mode keeps only the summary, so its memory does not grow
  // with n; the others need the items themselves.
  const bool keep = o.exhaustive || o.explain;
  Summary summary;
  std::vector<Item> items;
  Item item;
  for (uint64_t i = 0; i < n; ++i) {
    if (!read_item(in, i, n, s, item)) return 1;
    if (keep) {
      items.push_back(item);
    } else {
      add(summary, item);
    }
  }
  const Choice c = !keep           ? Choice{best(summary).total, {}}
                   : o.exhaustive ? exhaustive(items)
                                  : closed_form(items);
  print(s.out, c, o.explain, items);
  return 0;
}

int run(int argc, char** argv) {
  Options o;
  const char* path = nullptr;
  bool options_done = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (!options_done && arg.size() > 1 && arg[0] == '-') {
      if (arg == "--") {
        options_done = true;
      } else if (arg == "--exhaustive") {
        o.exhaustive = true;
      } else if (arg == "--explain") {
        o.explain = true;
      } else if (arg == "-h" || arg == "--help") {
        std::fputs(kUsage, stdout);
        return 0;
      } else if (arg == "--version") {
        std::fputs("subsetmax " SUBSETMAX_VERSION "\n", stdout);
        return 0;
      } else {
        return usage_error("unknown option \"" + arg + "\"");
      }
    } else if (path) {
      return usage_error("more than one FILE: \"" + std::string(path) + "\" and \"" + arg + "\"");
    } else {
      path = argv[i];
    }
  }

  // Input is read as bytes so both platforms see the same text; output stays
  // in text mode and ends lines as the platform does.
  if (!path || std::strcmp(path, "-") == 0) {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    return finish(solve(o, Streams{stdin, stdout, stderr, "standard input"}));
  }
  std::FILE* file = std::fopen(path, "rb");
  if (!file) {
    fail(stderr, "cannot open \"" + std::string(path) + "\": " + std::strerror(errno));
    return 1;
  }
  const int status = solve(o, Streams{file, stdout, stderr, "\"" + std::string(path) + "\""});
  std::fclose(file);
  return finish(status);
}

}  // namespace subsetmax
