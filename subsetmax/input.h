#pragma once
// Reads whitespace-separated decimal integers from a stream in large blocks,
// counting lines so errors can say where they are.

#include <cstdint>
#include <cstdio>
#include <string>

namespace subsetmax {

struct Input {
  std::FILE* file = nullptr;
  static constexpr size_t kBlock = 1 << 18;
  static constexpr size_t kSlack = 16;  // a sentinel after the data, and room to read 8 bytes at once
  char buf[kBlock + kSlack];
  size_t pos = 0, end = 0;  // unread bytes: buf[pos, end)
  bool eof = false;         // no more bytes beyond end
  int read_errno = 0;       // set when a read fails
  uint64_t line = 1;        // line of the current position
  // The last token: its line (or the line where the input ended) and,
  // unless it was an integer, its text shortened and escaped for messages.
  uint64_t token_line = 0;
  std::string token_text;
};

enum class Token { Int, End, NotInt, OutOfRange, ReadError };

// Starts reading `file`; the caller keeps ownership of it.
void open_input(Input& in, std::FILE* file);

// The next integer in the signed 32-bit range into `value`, or why there is
// none. Amortised O(1) per input byte.
Token next_int(Input& in, int32_t& value);

}  // namespace subsetmax
