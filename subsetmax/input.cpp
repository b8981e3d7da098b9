#include "input.h"

#include <cerrno>
#include <climits>

namespace subsetmax {

namespace {

// Longest token text kept for a message.
constexpr size_t kShown = 40;

bool is_space(unsigned char c) {
  return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool refill(Input& in) {
  if (in.eof) return false;
  in.pos = 0;
  in.end = std::fread(in.buf, 1, sizeof in.buf, in.file);
  if (in.end == 0) {
    in.eof = true;
    if (std::ferror(in.file)) in.read_errno = errno ? errno : EIO;
    return false;
  }
  return true;
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

}  // namespace

void open_input(Input& in, std::FILE* file) {
  in.file = file;
  in.pos = in.end = 0;
  in.eof = false;
  in.read_errno = 0;
  in.line = 1;
  in.last_was_newline = false;
}

Scanned next_int(Input& in) {
  Scanned r;
  // Skip white space, counting line ends.
  for (;;) {
    if (in.pos == in.end && !refill(in)) {
      r.kind = in.read_errno ? Token::ReadError : Token::End;
      r.read_errno = in.read_errno;
      // A final line end closes the last line rather than opening a new one.
      r.line = in.last_was_newline ? in.line - 1 : in.line;
      return r;
    }
    const auto c = static_cast<unsigned char>(in.buf[in.pos]);
    if (!is_space(c)) break;
    ++in.pos;
    in.last_was_newline = c == '\n';
    if (c == '\n') ++in.line;
  }
  in.last_was_newline = false;
  r.line = in.line;

  // One pass over the token, which may span several blocks.
  bool negative = false, digits = false, bad = false;
  uint64_t magnitude = 0;  // saturates just above the 32-bit range
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
      if (magnitude > uint64_t{1} << 32) magnitude = (uint64_t{1} << 32) + 1;
    } else if (length == 0 && (c == '-' || c == '+')) {
      negative = c == '-';
    } else {
      bad = true;
    }
    ++length;
  }
  if (length > kShown) r.text += "...";
  if (in.read_errno) {
    r.kind = Token::ReadError;
    r.read_errno = in.read_errno;
  } else if (bad || !digits) {
    r.kind = Token::NotInt;
  } else if (magnitude > (negative ? uint64_t{1} << 31 : uint64_t{INT32_MAX})) {
    r.kind = Token::OutOfRange;
  } else {
    r.kind = Token::Int;
    r.value = static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude)
                                            : static_cast<int64_t>(magnitude));
  }
  return r;
}

}  // namespace subsetmax
