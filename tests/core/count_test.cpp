#include "batch/count.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct CountCase {
  std::string text;
  std::int32_t count;
};

TEST(ParseCount, ReadsTheNumberAtTheStart) {
  const std::vector<CountCase> cases{
      {"10000", 10000},
      {"", 0},
      {"abc", 0},
      {"  +12abc", 12},
      {"\t\n\v\f\r 7", 7},
      {"-3", -3},
      {"+-3", 0},
      {"- 3", 0},
      {"0x1F", 0},
      {"1 2", 1},
      {"12.9", 12},
      {"007", 7},
      {"\xA3\xB1\xA3\xB2", 12},         // full-width 1 2
      {"\xA1\xA1\xA3\xB7", 7},          // ideographic space, full-width 7
      {"\xA3\xAB\xA3\xB5", 5},          // full-width plus, 5
      {"\xA3\xAD\xA3\xB5", -5},         // full-width minus, 5
      {"\xA3\xB1\xA1\xA1\xA3\xB2", 1},  // 1, ideographic space, 2
      {"4294967297", 1},                // 2^32 + 1
      {"2147483648", -2147483647 - 1},  // 2^31
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"99999999999", 1215752191},  // wraps modulo 2^32
      {"12\xB0", 12},               // odd trailing lead byte
      {"\xB0", 0},
      {"\xB0\xA1"
       "5",
       0},  // a Chinese character first
  };
  for (const CountCase& c : cases) EXPECT_EQ(ParseCount(c.text), c.count) << c.text;
}

struct FoldCase {
  std::string text;
  std::string folded;
};

TEST(FoldFullWidth, TurnsFullWidthFormsIntoAsciiAndKeepsTheRest) {
  const std::vector<FoldCase> cases{
      {"", ""},
      {"abc 123", "abc 123"},
      {"\xA3\xA1", "!"},
      {"\xA3\xFE", "~"},
      {"\xA3\xC1\xA3\xE1", "Aa"},
      {"\xA1\xA1", " "},
      {"\xA1\xAB", "~"},
      {"\xA1\xEE\xA1\xEF", "**"},
      {"\xA3\xA0", "\xA3\xA0"},  // below the full-width row
      {"\xA3\xFF", "\xA3\xFF"},
      {"\xA1\xBE\xB0\xA1", "\xA1\xBE\xB0\xA1"},  // 【 and a Chinese character stay
      {"\xB0\x31", "\xB0\x31"},                  // a pair is a pair, whatever its second byte
      {"a\xB0", "a"},                            // trailing lead byte dropped
      {"\xA3\xB1\xA3", "1"},
  };
  for (const FoldCase& c : cases) EXPECT_EQ(FoldFullWidth(c.text), c.folded) << c.text;
}

// Random bytes, lead bytes at the end among them, must neither crash nor read past the text;
// under AddressSanitizer every case is an exact-size heap copy.
TEST(CountParsing, SurvivesRandomBytes) {
  std::mt19937 random(12345);
  for (int i = 0; i < 20000; ++i) {
    std::vector<char> bytes(random() % 12);
    for (char& b : bytes) b = static_cast<char>(random() % 4 == 0 ? 0xA3 : random());
    const std::string_view text(bytes.data(), bytes.size());
    const Text folded = FoldFullWidth(text);
    ASSERT_LE(folded.size(), text.size());
    ParseCount(text);
  }
}

}  // namespace
