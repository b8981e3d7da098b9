#include "input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <random>
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
    int32_t value = 0;
    const Token t = next_int(in, value);
    const char* kind = t == Token::Int          ? "int"
                       : t == Token::End        ? "end"
                       : t == Token::NotInt     ? "bad"
                       : t == Token::OutOfRange ? "range"
                                                : "error";
    out += std::string(kind) + " " + (t == Token::Int ? std::to_string(value) : in.token_text) +
           " @" + std::to_string(in.token_line) + "\n";
    if (t == Token::End || t == Token::ReadError) break;
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
      // Runs of digits around the 8-at-a-time steps.
      {"12345678 123456789 1234567890 1234567812345678",
       "int 12345678 @1\nint 123456789 @1\nint 1234567890 @1\nrange 1234567812345678 @1\nend  @1\n"},
      {"12345678x -1234567.", "bad 12345678x @1\nbad -1234567. @1\nend  @1\n"},
      {"0000000000000000002147483647 -000000000000000000002147483648",
       "int 2147483647 @1\nint -2147483648 @1\nend  @1\n"},
      {"18446744073709551617 -18446744073709551616",
       "range 18446744073709551617 @1\nrange -18446744073709551616 @1\nend  @1\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(scan(c.text), c.tokens) << "input: " << c.text;
}

// Tokens and line ends straddling the block boundary of the reader.
TEST(Input, Bound) {
  const size_t block = Input::kBlock;
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

// Random tokens over digits, signs and a few other bytes, against a plain
// reference reading of each token.
TEST(Input, Stress) {
  std::mt19937 rng(7);
  const std::string alphabet = "0000111999+-x\x80";
  const std::string spaces = " \n\t\r";
  for (int round = 0; round < 2000; ++round) {
    std::string text, want;
    uint64_t line = 1;
    const int tokens = static_cast<int>(rng() % 6);
    for (int t = 0; t < tokens; ++t) {
      std::string token;
      const size_t length = 1 + rng() % (rng() % 4 == 0 ? 30 : 11);
      for (size_t i = 0; i < length; ++i) token += alphabet[rng() % alphabet.size()];
      // Reference: optional sign, then only digits, within 32 bits.
      const size_t sign = token[0] == '+' || token[0] == '-';
      bool digits = token.size() > sign;
      for (size_t i = sign; i < token.size(); ++i) digits = digits && std::isdigit(static_cast<unsigned char>(token[i]));
      std::string kind = "bad", shown;
      if (digits) {
        const std::string body = token.substr(sign);
        const size_t nz = std::min(body.find_first_not_of('0'), body.size());
        const std::string significant = body.substr(nz);
        const long long limit = token[0] == '-' ? 2147483648LL : 2147483647LL;
        if (significant.size() <= 10 && std::stoll("0" + significant) <= limit) {
          kind = "int";
          const long long v = std::stoll("0" + significant);
          shown = std::to_string(token[0] == '-' ? -v : v);
        } else {
          kind = "range";
        }
      }
      if (kind != "int") {
        for (size_t i = 0; i < token.size() && i < 40; ++i) {
          const auto c = static_cast<unsigned char>(token[i]);
          if (c >= 0x80) shown += "\\x80"; else shown += token[i];
        }
        if (token.size() > 40) shown += "...";
      }
      want += kind + " " + shown + " @" + std::to_string(line) + "\n";
      text += token;
      const char space = spaces[rng() % spaces.size()];
      text += space;
      line += space == '\n';
    }
    const bool ends_in_newline = !text.empty() && text.back() == '\n';
    want += "end  @" + std::to_string(ends_in_newline ? line - 1 : line) + "\n";
    ASSERT_EQ(scan(text), want) << "input: " << text;
  }
}

}  // namespace
}  // namespace subsetmax
