#include "generate/random_line.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

// Returns the kinds of a nickname's parts: 'a' letter or digit, 'h' Chinese, 'd' digit, ' ' space.
// A digit could be either kind 1 or kind 3, so both read as 'd'.
std::string KindsOf(const Text& nickname) {
  std::string kinds;
  for (std::size_t i = 0; i < nickname.size(); ++i) {
    const auto byte = static_cast<unsigned char>(nickname[i]);
    if (byte >= 0x80) {
      kinds += 'h';
      ++i;
    } else if (std::isdigit(byte)) {
      kinds += 'd';
    } else if (std::isalpha(byte)) {
      kinds += 'a';
    } else {
      kinds += byte;
    }
  }
  return kinds;
}

TEST(RandomLine, FirstAfterStartHasEightPartsOfTheFixedKinds) {
  SequenceSource sequence;
  const Text line = MakeRandomLine(sequence);
  ASSERT_EQ(line.size(), 9u);
  ASSERT_EQ(line[0], ' ');
  const std::string kinds = KindsOf(line);
  ASSERT_EQ(kinds.size(), 8u);
  // space, digit, letter-or-digit, Chinese, letter-or-digit, digit, digit, digit
  EXPECT_EQ(kinds[0], ' ');
  EXPECT_EQ(kinds[1], 'd');
  EXPECT_NE(kinds[2], 'h');
  EXPECT_EQ(kinds[3], 'h');
  EXPECT_NE(kinds[4], 'h');
  EXPECT_EQ(kinds.substr(5), "ddd");
  // The line took one draw for its length and one per part.
  SequenceSource replay;
  for (int i = 0; i < 9; ++i) PickBySequence(replay, 1, 4);
  EXPECT_EQ(sequence.state, replay.state);
}

TEST(RandomLine, StaysBetweenTwoAndSixteenBytesAndUsesEveryKind) {
  SequenceSource sequence;
  std::string allKinds;
  for (int i = 0; i < 20000; ++i) {
    const Text line = MakeRandomLine(sequence);
    ASSERT_GE(line.size(), 2u);
    ASSERT_LE(line.size(), 16u);
    allKinds += KindsOf(line);
  }
  for (const char kind : std::string("ahd ")) EXPECT_NE(allKinds.find(kind), std::string::npos);
}

TEST(RandomNickname, PartCountsGiveTheirLengths) {
  SequenceSource sequence;
  EXPECT_EQ(MakeRandomNickname(sequence, 0), "");
  EXPECT_EQ(MakeRandomNickname(sequence, -5), "");
  EXPECT_EQ(sequence.state, 1u);  // no parts, no draws
  for (int i = 0; i < 1000; ++i) {
    const Text two = MakeRandomNickname(sequence, 2);
    ASSERT_GE(two.size(), 2u);
    ASSERT_LE(two.size(), 4u);
    ASSERT_EQ(KindsOf(two).size(), 2u);
  }
}

}  // namespace
