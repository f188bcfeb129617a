#include "batch/gbk.h"

#include <gtest/gtest.h>

#include "batch/run_batch.h"
#include "generate/random_line.h"
#include "generate/team_line.h"

namespace {

TEST(Gbk, ConvertsBothWays) {
  struct Case {
    std::string utf8, gbk;
  };
  const Case cases[] = {
      {"", ""},
      {"abc 1\r\n", "abc 1\r\n"},
      {"霁川守护", "\xF6\xAB\xB4\xA8\xCA\xD8\xBB\xA4"},
      {"【大湿】", "\xA1\xBE\xB4\xF3\xCA\xAA\xA1\xBF"},
      {"😀", "\x94\x39\xFC\x36"},  // outside GBK: the four-byte GB18030 form
      {"丂", "\x81\x40"},         // beyond GB2312, inside GBK
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GbkFromUtf8(c.utf8), c.gbk) << c.utf8;
    EXPECT_EQ(Utf8FromGbk(c.gbk), c.utf8) << c.utf8;
  }
}

TEST(Gbk, RejectsBrokenGbkAndSkipsBrokenUtf8) {
  EXPECT_EQ(Utf8FromGbk("12\xB0"), std::nullopt);
  EXPECT_EQ(Utf8FromGbk("\xFF\xFF"), std::nullopt);
  EXPECT_EQ(GbkFromUtf8("a\xFF"
                        "b"),
            "ab");
}

TEST(Gbk, ConvertsLongTextWhole) {
  std::string utf8;
  for (int i = 0; i < 100000; ++i) utf8 += "名号x";
  const Text gbk = GbkFromUtf8(utf8);
  EXPECT_EQ(gbk.size(), 500000u);
  EXPECT_EQ(Utf8FromGbk(gbk), utf8);
}

TEST(Gbk, FixedTextsSayWhatTheyShould) {
  EXPECT_EQ(Utf8FromGbk(kTeamBatchSuffix), "个军团马甲.txt");
  EXPECT_EQ(Utf8FromGbk(kRandomBatchSuffix), "个随机马甲.txt");
  const std::optional<std::string> trailer = Utf8FromGbk(TrailerLine);
  ASSERT_TRUE(trailer.has_value());
  EXPECT_EQ(trailer->rfind("作者墨竹坊  QQ", 0), 0u);
  EXPECT_GT(trailer->size(), std::string("作者墨竹坊  QQ").size());
  EXPECT_EQ(trailer->find_first_not_of("0123456789", std::string("作者墨竹坊  QQ").size()),
            std::string::npos);
}

}  // namespace
