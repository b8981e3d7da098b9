#pragma once

#include <cstdio>
#include <string>

namespace subsetmax {

struct Options {
  bool exhaustive = false;  // try every combination instead of the closed form
  bool explain = false;     // also list one best combination
};

// Where one run reads and writes; `source` names the input in messages.
struct Streams {
  std::FILE* in;
  std::FILE* out;
  std::FILE* err;
  std::string source;
};

// Reads the count and the items from s.in and writes the best total (and,
// with explain, its items) to s.out, or one error line to s.err. Returns
// the exit status: 0, or 1 for malformed input or a failed read.
int solve(const Options& o, const Streams& s);

// The whole program: parses the command line, then solves. Returns the exit
// status: 0, 1 for bad input or a failed read or write, 2 for bad usage.
int run(int argc, char** argv);

}  // namespace subsetmax
