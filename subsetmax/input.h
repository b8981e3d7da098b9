#pragma once
// Reads whitespace-separated decimal integers from a stream in large blocks,
// counting lines so errors can say where they are.

#include <cstdint>
#include <cstdio>
#include <string>

namespace subsetmax {

struct Input {
  std::FILE* file = nullptr;
  char buf[1 << 18];
  size_t pos = 0, end = 0;  // unread bytes: buf[pos, end)
  bool eof = false;         // no more bytes beyond end
  int read_errno = 0;       // set when a read fails
  uint64_t line = 1;        // line of the current position
};

enum class Token { Int, End, NotInt, OutOfRange, ReadError };

struct Scanned {
  Token kind = Token::End;
  int32_t value = 0;
  uint64_t line = 0;   // where the token starts, or where the input ends
  std::string text;    // the token, shortened and escaped for messages
  int read_errno = 0;  // with ReadError: why
};

// Opens `file` for reading; the caller keeps ownership of the FILE.
void open_input(Input& in, std::FILE* file);

// The next integer in the signed 32-bit range, or why there is none.
Scanned next_int(Input& in);

}  // namespace subsetmax
