#include "input.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace subsetmax {
namespace {

// Scans `text` fully; one line per token: kind, value or text, line.
std::string scan(const std::string& text) {
  std::FILE* f = std::tmpfile();
  std::fwrite(text.data(), 1, text.size(), f);
  std::rewind(f);
  static Input in;
  open_input(in, f);
  std::string out;
  for (;;) {
    const Scanned t = next_int(in);
    const char* kind = t.kind == Token::Int          ? "int"
                       : t.kind == Token::End        ? "end"
                       : t.kind == Token::NotInt     ? "bad"
                       : t.kind == Token::OutOfRange ? "range"
                                                     : "error";
    out += std::string(kind) + " " + (t.kind == Token::Int ? std::to_string(t.value) : t.text) +
           " @" + std::to_string(t.line) + "\n";
    if (t.kind == Token::End || t.kind == Token::ReadError) break;
  }
  std::fclose(f);
  return out;
}

TEST(Input, Simple) {
  struct Case {
    const char* text;
    const char* tokens;
  };
  const Case cases[] = {
      {"", "end  @1\n"},
      {"\n", "end  @1\n"},
      {"\n\n", "end  @2\n"},
      {"1 -2\t+3\r\n4", "int 1 @1\nint -2 @1\nint 3 @1\nint 4 @2\nend  @2\n"},
      {"2147483647 -2147483648", "int 2147483647 @1\nint -2147483648 @1\nend  @1\n"},
      {"2147483648 -2147483649", "range 2147483648 @1\nrange -2147483649 @1\nend  @1\n"},
      {"00000000000000000000012", "int 12 @1\nend  @1\n"},
      {"99999999999999999999999", "range 99999999999999999999999 @1\nend  @1\n"},
      {"- + 1- 1a a1 --1", "bad - @1\nbad + @1\nbad 1- @1\nbad 1a @1\nbad a1 @1\nbad --1 @1\nend  @1\n"},
      {"\v\f7\n\n\n", "int 7 @1\nend  @3\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(scan(c.text), c.tokens) << "input: " << c.text;
}

// Tokens and line ends straddling the block boundary of the reader.
TEST(Input, Bound) {
  const size_t block = sizeof(Input::buf);
  for (size_t pad = block - 3; pad <= block + 1; ++pad) {
    const std::string text = std::string(pad, '\n') + "123456 -7";
    EXPECT_EQ(scan(text), "int 123456 @" + std::to_string(pad + 1) + "\nint -7 @" +
                              std::to_string(pad + 1) + "\nend  @" + std::to_string(pad + 1) +
                              "\n")
        << "pad " << pad;
  }
  // A token longer than a block is read whole and shown shortened.
  const std::string text = "1" + std::string(3 * block, '0') + "x 5";
  EXPECT_EQ(scan(text), "bad 1" + std::string(39, '0') + "... @1\nint 5 @1\nend  @1\n");
}

}  // namespace
}  // namespace subsetmax
