#include "generate/team_line.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "batch_fixture.h"

namespace {

using TeamLine = BatchFixture;

const Text kOpen = "\xA1\xBE";   // 【
const Text kClose = "\xA1\xBF";  // 】

// Returns how many Chinese characters a six-byte name holds.
int FormOf(const Text& name) {
  return name.find("  ") == std::string::npos ? 3 : 2;
}

bool IsHanziByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0xB0 && byte <= 0xDA;
}

TEST(TeamName, FirstNamesAfterStartHaveFormsThreeThreeTwoTwoThreeTwo) {
  SequenceSource sequence;
  std::vector<int> forms;
  for (int i = 0; i < 6; ++i) forms.push_back(FormOf(MakeTeamName(sequence)));
  EXPECT_EQ(forms, (std::vector<int>{3, 3, 2, 2, 3, 2}));
}

TEST(TeamName, IsSixBytesWithTwoSpacesOnlyBetweenTwoCharacters) {
  SequenceSource sequence;
  for (int i = 0; i < 2000; ++i) {
    const Text name = MakeTeamName(sequence);
    ASSERT_EQ(name.size(), 6u);
    if (FormOf(name) == 2) {
      EXPECT_TRUE(IsHanziByte(name[0]) && IsHanziByte(name[1]) && name.substr(2, 2) == "  " &&
                  IsHanziByte(name[4]) && IsHanziByte(name[5]));
    } else {
      for (const char c : name) EXPECT_TRUE(IsHanziByte(c));
    }
  }
}

TEST_F(TeamLine, JoinsPrefixBracketedNameAndPositionAndLeavesTheNameInItsBox) {
  SequenceSource sequence;
  const Text line = MakeTeamLine(boxes_, sequence);
  const Text prefix = GbkFromUtf8("霁川守护");
  const Text position = GbkFromUtf8("【霁川团员】");
  ASSERT_EQ(line.size(), prefix.size() + 10 + position.size());
  EXPECT_EQ(line.substr(0, prefix.size()), prefix);
  EXPECT_EQ(line.substr(prefix.size(), 10), record_.编辑框2);
  EXPECT_EQ(line.substr(prefix.size() + 10), position);
  EXPECT_EQ(record_.编辑框2.substr(0, 2), kOpen);
  EXPECT_EQ(record_.编辑框2.substr(8), kClose);
}

TEST_F(TeamLine, UsesPrefixAndPositionByteForByte) {
  struct Case {
    Text prefix, position;
  };
  for (const Case& c : {Case{"", ""}, Case{"  a ", " b  "}, Case{"", "x"}}) {
    record_.编辑框1 = c.prefix;
    record_.编辑框3 = c.position;
    SequenceSource sequence;
    const Text line = MakeTeamLine(boxes_, sequence);
    EXPECT_EQ(line, c.prefix + record_.编辑框2 + c.position);
    if (c.prefix.empty()) {
      EXPECT_EQ(line.substr(0, 2), kOpen);
    }
    if (c.position.empty()) {
      EXPECT_EQ(line.substr(line.size() - 2), kClose);
    }
  }
}

TEST(TeamBatchStatistics, NamesAreNearlyAllDistinctAndUseMostCharacters) {
  BoxRecord record;
  const Boxes boxes = BoxesOf(record);
  SequenceSource sequence;
  std::set<Text> names;
  std::set<Text> characters;
  for (int i = 0; i < 10000; ++i) {
    MakeTeamLine(boxes, sequence);
    names.insert(record.编辑框2);
    for (const std::size_t at : {2, 4, 6}) {
      if (record.编辑框2[at] != ' ') characters.insert(record.编辑框2.substr(at, 2));
    }
  }
  EXPECT_GE(names.size(), 9950u);
  EXPECT_GE(characters.size(), 1500u);
}

}  // namespace
