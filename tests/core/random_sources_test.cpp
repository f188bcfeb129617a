#include "generate/random_sources.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>

#include "generate/characters.h"

namespace {

TEST(SequenceSource, FirstDrawAfterStartIs41) {
  SequenceSource forTwoThree;
  EXPECT_EQ(PickBySequence(forTwoThree, 2, 3), 3);
  SequenceSource forTwoEight;
  EXPECT_EQ(PickBySequence(forTwoEight, 2, 8), 8);  // 2 + 41 % 7
  EXPECT_EQ(forTwoEight.state, 1u * 214013u + 2531011u);
}

TEST(SequenceSource, AdvancesOneStepPerDrawWhateverTheBounds) {
  SequenceSource mixed;
  SequenceSource plain;
  for (int i = 0; i < 100; ++i) {
    const int lo = i % 3 == 0 ? 2 : 1;
    const int hi = i % 3 == 0 ? 8 : 4;
    const int value = PickBySequence(mixed, lo, hi);
    plain.state = plain.state * 214013u + 2531011u;
    EXPECT_EQ(mixed.state, plain.state);
    EXPECT_EQ(value, lo + static_cast<int>(((plain.state >> 16) & 0x7FFF) % (hi - lo + 1)));
  }
}

TEST(CounterSource, EmptyAndSingleRanges) {
  for (int i = 0; i < 1000; ++i) {
    EXPECT_EQ(PickByCounter(5, 4), 0);
    EXPECT_EQ(PickByCounter(7, 7), 7);
  }
}

TEST(CounterSource, StaysInsideEveryRangeItIsCalledWith) {
  const std::array<std::pair<int, int>, 6> ranges{
      {{1, 3}, {48, 57}, {65, 90}, {97, 122}, {38, 80}, {0, 9}}};
  for (const auto& [lo, hi] : ranges) {
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) {
      const int value = PickByCounter(lo, hi);
      ASSERT_GE(value, lo);
      ASSERT_LE(value, hi);
      seen.insert(value);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(hi - lo + 1)) << lo << ".." << hi;
  }
}

// Consecutive counter readings are a few cycles apart; their picks must still look independent.
TEST(CounterSource, ConsecutiveDrawsAreNotFixedOffsetsOfEachOther) {
  constexpr int kPairs = 100000;
  std::map<int, int> differences;
  for (int i = 0; i < kPairs; ++i) {
    const int first = PickByCounter(38, 80);
    const int second = PickByCounter(38, 80);
    ++differences[second - first];
  }
  for (const auto& [difference, count] : differences) {
    EXPECT_LE(count, kPairs / 20) << "difference " << difference;
  }
}

TEST(CharacterGenerators, MakeOneCharacterOfTheirKind) {
  for (int i = 0; i < 10000; ++i) {
    const Text hanzi = MakeHanzi(1);
    ASSERT_EQ(hanzi.size(), 2u);
    for (const unsigned char byte : hanzi) {
      ASSERT_GE(byte, 0xB0);
      ASSERT_LE(byte, 0xDA);
    }
    const Text alnum = MakeAlnumChar(1);
    ASSERT_EQ(alnum.size(), 1u);
    ASSERT_TRUE(std::isalnum(static_cast<unsigned char>(alnum[0]))) << alnum;
    const Text digit = MakeDigit(1);
    ASSERT_EQ(digit.size(), 1u);
    ASSERT_TRUE(digit[0] >= '0' && digit[0] <= '9') << digit;
  }
}

TEST(CharacterGenerators, ReachEveryClassOfCharacter) {
  std::set<char> classes;
  for (int i = 0; i < 3000; ++i) {
    const char c = MakeAlnumChar(1)[0];
    classes.insert(std::isdigit(static_cast<unsigned char>(c))   ? '0'
                   : std::isupper(static_cast<unsigned char>(c)) ? 'A'
                                                                 : 'a');
  }
  EXPECT_EQ(classes, (std::set<char>{'0', 'A', 'a'}));
}

TEST(CharacterGenerators, CountsOfZeroOrLessGiveEmptyTextAndOthersConcatenate) {
  for (const int n : {0, -1, -100}) {
    EXPECT_EQ(MakeHanzi(n), "");
    EXPECT_EQ(MakeAlnumChar(n), "");
    EXPECT_EQ(MakeDigit(n), "");
  }
  EXPECT_EQ(MakeHanzi(3).size(), 6u);
  EXPECT_EQ(MakeAlnumChar(5).size(), 5u);
  EXPECT_EQ(MakeDigit(4).size(), 4u);
}

}  // namespace
