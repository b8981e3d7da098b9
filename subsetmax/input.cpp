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

struct SpaceTable {
  bool is[256] = {};
  constexpr SpaceTable() {
    for (char c : {' ', '\n', '\t', '\r', '\v', '\f'}) is[static_cast<unsigned char>(c)] = true;
  }
};
constexpr SpaceTable kSpace;

bool is_space(unsigned char c) { return kSpace.is[c]; }

// Keeps the unread bytes, moved to the front, and reads as many more as fit.
// False when nothing more could be read.
bool refill(Input& in) {
  if (in.eof) return false;
  const size_t kept = in.end - in.pos;
  std::memmove(in.buf, in.buf + in.pos, kept);
  in.pos = 0;
  const size_t got = std::fread(in.buf + kept, 1, sizeof in.buf - kept, in.file);
  in.end = kept + got;
  if (kept + got < sizeof in.buf) {  // fread stops short only at the end or on error
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
void classify(Scanned& r, bool negative, bool digits, bool bad, uint64_t magnitude) {
  if (bad || !digits) {
    r.kind = Token::NotInt;
  } else if (magnitude > (negative ? uint64_t{1} << 31 : uint64_t{INT32_MAX})) {
    r.kind = Token::OutOfRange;
  } else {
    r.kind = Token::Int;
    r.value = static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude)
                                            : static_cast<int64_t>(magnitude));
  }
}

// A token of any length, possibly spanning several reads, one byte at a time.
void scan_slow(Input& in, Scanned& r) {
  bool negative = false, digits = false, bad = false;
  uint64_t magnitude = 0;
  size_t length = 0;
  for (;;) {
    if (in.pos == in.end && !refill(in)) break;
    const auto c = static_cast<unsigned char>(in.buf[in.pos]);
    if (is_space(c)) break;
    ++in.pos;
    if (length < kShown) show(r.text, c);
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
  if (length > kShown) r.text += "...";
  classify(r, negative, digits, bad, magnitude);
}

}  // namespace

void open_input(Input& in, std::FILE* file) {
  in.file = file;
  in.pos = in.end = 0;
  in.eof = false;
  in.read_errno = 0;
  in.line = 1;
}

Scanned next_int(Input& in) {
  Scanned r;
  // Skip white space, counting line ends. The previous call ended on a token
  // byte, so the last byte skipped here is the last byte before the end.
  bool newline_last = false;
  for (;;) {
    const char* p = in.buf + in.pos;
    const char* const e = in.buf + in.end;
    while (p < e && is_space(static_cast<unsigned char>(*p))) {
      newline_last = *p == '\n';
      in.line += newline_last;
      ++p;
    }
    in.pos = static_cast<size_t>(p - in.buf);
    if (p < e) break;
    if (!refill(in)) {
      r.kind = in.read_errno ? Token::ReadError : Token::End;
      r.read_errno = in.read_errno;
      // A final line end closes the last line rather than opening a new one.
      r.line = newline_last ? in.line - 1 : in.line;
      return r;
    }
  }
  r.line = in.line;
  if (in.end - in.pos < kLookahead) refill(in);

  const char* const start = in.buf + in.pos;
  const char* const e = in.buf + in.end;
  const char* p = start;
  const bool negative = *p == '-';
  if (negative || *p == '+') ++p;
  const char* const digits = p;
  uint64_t magnitude = 0;
  while (p < e && static_cast<unsigned char>(*p - '0') < 10) {
    magnitude = magnitude * 10 + static_cast<unsigned char>(*p - '0');
    if (magnitude > kSaturated) magnitude = kSaturated;
    ++p;
  }
  const bool whole = p < e ? is_space(static_cast<unsigned char>(*p)) : in.eof;
  if (!whole) {  // not all digits, or longer than the buffer holds: start over
    scan_slow(in, r);
  } else {
    in.pos = static_cast<size_t>(p - in.buf);
    classify(r, negative, p != digits, false, magnitude);
    if (r.kind != Token::Int) show(r.text, start, p);
  }
  if (in.read_errno && in.pos == in.end) {  // the token may be cut short
    r.kind = Token::ReadError;
    r.read_errno = in.read_errno;
  }
  return r;
}

}  // namespace subsetmax
