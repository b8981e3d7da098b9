#pragma once

namespace subsetmax {

// The whole program: parses the command line, reads the items, prints the
// best total. Returns the exit status: 0, 1 for bad input, 2 for bad usage.
int run(int argc, char** argv);

}  // namespace subsetmax
