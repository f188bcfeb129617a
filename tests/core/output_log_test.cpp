#include "batch/output_log.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(OutputLog, KeepsEveryPieceInOrderAcrossGrowth) {
  OutputLog log;
  EXPECT_EQ(log.View(), "");
  std::string expected;
  for (int i = 0; i < 200000; ++i) {
    const std::string piece = std::to_string(i) + "\r\n";
    log.Append(piece);
    expected += piece;
  }
  log.Append(std::string(1 << 20, 'x'));  // one piece larger than the doubled capacity
  expected += std::string(1 << 20, 'x');
  EXPECT_EQ(log.View(), expected);
}

TEST(OutputLog, ClearEmptiesAndStartsAgain) {
  OutputLog log;
  log.Append("abc");
  log.Clear();
  EXPECT_EQ(log.View(), "");
  log.Append("");
  EXPECT_EQ(log.View(), "");
  log.Append("de");
  EXPECT_EQ(log.View(), "de");
}

}  // namespace
