#include "input.h"

#include <cerrno>
#include <climits>
#include <cstring>

namespace subsetmax {

namespace {

// Longest token text kept for a message.
constexpr size_t kShown = 40;
// A token that starts with at least this many bytes in the buffer and is
// shorter is parsed in place; anything else takes the byte-wise path.
constexpr size_t kLookahead = 64;
// Magnitudes saturate here: above every 32-bit value, far from wrapping.
constexpr uint64_t kSaturated = (uint64_t{1} << 32) + 1;
// Something neither white space nor part of a number, kept after the data so
// the scanning loops need no bounds checks.
constexpr char kSentinel = '#';

struct SpaceTable {
  bool is[256] = {};
  constexpr SpaceTable() {
    for (char c : {' ', '\n', '\t', '\r', '\v', '\f'}) is[static_cast<unsigned char>(c)] = true;
  }
};
constexpr SpaceTable kSpace;

bool is_space(unsigned char c) { return kSpace.is[c]; }

// The 8 bytes at p, first byte lowest.
uint64_t load8(const char* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  v = __builtin_bswap64(v);
#endif
  return v;
}

// How many of the 8 bytes in v, from the lowest, are ASCII digits. A byte
// below '0' sets its top bit when '0' is taken away, one above '9' when 0x46
// is added; borrows and carries only run upward, past the first such byte.
int digit_run(uint64_t v) {
  const uint64_t bad =
      ((v - 0x3030303030303030u) | (v + 0x4646464646464646u)) & 0x8080808080808080u;
  return bad ? __builtin_ctzll(bad) >> 3 : 8;
}

// The number written by 8 ASCII digits, first digit lowest; zero bytes read
// as leading zeros.
uint64_t eight_digits(uint64_t v) {
  v = (v & 0x0f0f0f0f0f0f0f0fu) * 2561 >> 8;
  v = (v & 0x00ff00ff00ff00ffu) * 6553601 >> 16;
  return (v & 0x0000ffff0000ffffu) * 42949672960001u >> 32;
}

constexpr uint64_t kPow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};

// Keeps the unread bytes, moved to the front, and reads as many more as fit.
// False when nothing more could be read.
bool refill(Input& in) {
  if (in.eof) return false;
  const size_t kept = in.end - in.pos;
  std::memmove(in.buf, in.buf + in.pos, kept);
  in.pos = 0;
  const size_t got = std::fread(in.buf + kept, 1, Input::kBlock - kept, in.file);
  in.end = kept + got;
  in.buf[in.end] = kSentinel;
  if (in.end < Input::kBlock) {  // fread stops short only at the end or on error
    in.eof = true;
    if (std::ferror(in.file)) in.read_errno = errno ? errno : EIO;
  }
  return got > 0;
}

void show(std::string& text, unsigned char c) {
  static const char hex[] = "0123456789abcdef";
  if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
    text += static_cast<char>(c);
  } else {
    text += "\\x";
    text += hex[c >> 4];
    text += hex[c & 15];
  }
}

void show(std::string& text, const char* begin, const char* end) {
  const size_t length = static_cast<size_t>(end - begin);
  for (size_t i = 0; i < length && i < kShown; ++i) show(text, static_cast<unsigned char>(begin[i]));
  if (length > kShown) text += "...";
}

// Classifies a whole token from its sign, digits and magnitude.
Token classify(bool negative, bool digits, bool bad, uint64_t magnitude, int32_t& value) {
  if (bad || !digits) return Token::NotInt;
  if (magnitude > (negative ? uint64_t{1} << 31 : uint64_t{INT32_MAX})) return Token::OutOfRange;
  value = static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude)
                                        : static_cast<int64_t>(magnitude));
  return Token::Int;
}

// A token of any length, possibly spanning several reads, one byte at a time.
Token scan_slow(Input& in, int32_t& value) {
  bool negative = false, digits = false, bad = false;
  uint64_t magnitude = 0;
  size_t length = 0;
  for (;;) {
    if (in.pos == in.end && !refill(in)) break;
    const auto c = static_cast<unsigned char>(in.buf[in.pos]);
    if (is_space(c)) break;
    ++in.pos;
    if (length < kShown) show(in.token_text, c);
    if (c >= '0' && c <= '9') {
      digits = true;
      magnitude = magnitude * 10 + (c - '0');
      if (magnitude > kSaturated) magnitude = kSaturated;
    } else if (length == 0 && (c == '-' || c == '+')) {
      negative = c == '-';
    } else {
      bad = true;
    }
    ++length;
  }
  if (length > kShown) in.token_text += "...";
  return classify(negative, digits, bad, magnitude, value);
}

}  // namespace

void open_input(Input& in, std::FILE* file) {
  in.file = file;
  in.pos = in.end = 0;
  std::memset(in.buf, 0, sizeof in.buf);
  in.buf[0] = kSentinel;
  in.eof = false;
  in.read_errno = 0;
  in.line = 1;
}

Token next_int(Input& in, int32_t& value) {
  in.token_text.clear();
  // Skip white space, counting line ends. The previous call ended on a token
  // byte, so the last byte skipped here is the last byte before the end.
  bool newline_last = false;
  for (;;) {
    const char* p = in.buf + in.pos;
    while (is_space(static_cast<unsigned char>(*p))) {
      newline_last = *p == '\n';
      in.line += newline_last;
      ++p;
    }
    in.pos = static_cast<size_t>(p - in.buf);
    if (in.pos < in.end) break;
    if (!refill(in)) {
      // A final line end closes the last line rather than opening a new one.
      in.token_line = newline_last ? in.line - 1 : in.line;
      return in.read_errno ? Token::ReadError : Token::End;
    }
  }
  in.token_line = in.line;
  if (in.end - in.pos < kLookahead) refill(in);

  const char* const start = in.buf + in.pos;
  const char* const e = in.buf + in.end;
  const char* p = start;
  const bool negative = *p == '-';
  if (negative || *p == '+') ++p;
  const char* const digits = p;
  // Eight digits at a time; the sentinel ends a run at the latest.
  uint64_t magnitude = 0;
  for (;;) {
    const uint64_t chunk = load8(p);
    const int run = digit_run(chunk);
    if (run > 0) {
      magnitude = magnitude * kPow10[run] + eight_digits(chunk << (64 - 8 * run));
      p += run;
    }
    if (run < 8 || p - digits > 18) break;
  }
  const bool whole = p < e ? is_space(static_cast<unsigned char>(*p)) : in.eof;
  Token t;
  if (!whole || p - digits > 18) {
    // Not all digits, too many for 64 bits, or longer than the buffer
    // holds: start over byte by byte.
    t = scan_slow(in, value);
  } else {
    in.pos = static_cast<size_t>(p - in.buf);
    t = classify(negative, p != digits, false, magnitude, value);
    if (t != Token::Int) show(in.token_text, start, p);
  }
  if (in.read_errno && in.pos == in.end) t = Token::ReadError;  // may be cut short
  return t;
}

}  // namespace subsetmax
