#include "batch/run_batch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch_fixture.h"
#include "generate/random_line.h"
#include "generate/team_line.h"
#include "tests/log_lines.h"

namespace {

using RunBatchTest = BatchFixture;

std::string TeamFile(const std::string& count) {
  return count + "个军团马甲.txt";
}
std::string RandomFile(const std::string& count) {
  return count + "个随机马甲.txt";
}

TEST_F(RunBatchTest, LogHoldsTheLinesThenTheTrailerAndTheFileHoldsTheLog) {
  struct Case {
    std::string count;
    std::size_t lines;
  };
  for (const Case& c : {Case{"0", 0}, Case{"1", 1}, Case{"250", 250}, Case{"-3", 0},
                        Case{"4294967297", 1}, Case{"2147483648", 0}}) {
    record_.编辑框4 = c.count;
    record_.编辑框5.Append("typed by the user\r\n");
    SequenceSource sequence;
    RunTeamBatch(boxes_, sequence, Directory());
    const std::string_view log = record_.编辑框5.View();
    const std::vector<std::string> lines = LogLines(log);
    ASSERT_EQ(lines.size(), c.lines + 1) << c.count;
    EXPECT_EQ(lines.back(), TrailerLine);
    for (std::size_t i = 0; i < c.lines; ++i) EXPECT_EQ(lines[i].size(), 30u);
    if (c.lines > 0) {
      EXPECT_EQ(lines[c.lines - 1].substr(8, 10), record_.编辑框2);
    }
    EXPECT_EQ(ReadFile(directory_ / TeamFile(c.count)), log) << c.count;
  }
}

TEST_F(RunBatchTest, DefaultTeamBatchIs320000BytesAndTheTrailer) {
  SequenceSource sequence;
  RunTeamBatch(boxes_, sequence, Directory());
  EXPECT_EQ(record_.编辑框5.View().size(), 320000 + TrailerLine.size());
  EXPECT_EQ(ReadFile(directory_ / TeamFile("10000")), record_.编辑框5.View());
}

TEST_F(RunBatchTest, BatchWithoutLinesLeavesTheNameBoxAlone) {
  record_.编辑框4 = "";
  SequenceSource sequence;
  RunTeamBatch(boxes_, sequence, Directory());
  EXPECT_EQ(record_.编辑框2, GbkFromUtf8("【大湿】"));
  EXPECT_EQ(record_.编辑框5.View(), TrailerLine);
  EXPECT_EQ(ReadFile(directory_ / TeamFile("")), TrailerLine);
  EXPECT_EQ(sequence.state, 1u);
}

TEST_F(RunBatchTest, SecondBatchReplacesBoxAndFile) {
  record_.编辑框4 = "300";
  SequenceSource sequence;
  RunRandomBatch(boxes_, sequence, Directory());
  const std::string first = ReadFile(directory_ / RandomFile("300"));
  record_.编辑框4 = "300";
  RunRandomBatch(boxes_, sequence, Directory());
  const std::string second = ReadFile(directory_ / RandomFile("300"));
  EXPECT_NE(first, second);
  EXPECT_EQ(second, record_.编辑框5.View());
  EXPECT_EQ(LogLines(second).size(), 301u);
}

TEST_F(RunBatchTest, SequenceRunsOnAcrossBatchKinds) {
  // One random line draws 1 + parts times, a team line once; replay the draws by hand.
  record_.编辑框4 = "1";
  SequenceSource sequence;
  RunRandomBatch(boxes_, sequence, Directory());
  RunTeamBatch(boxes_, sequence, Directory());
  SequenceSource replay;
  const int parts = PickBySequence(replay, 2, 8);
  for (int i = 0; i < parts; ++i) PickBySequence(replay, 1, 4);
  const int form = PickBySequence(replay, 2, 3);
  EXPECT_EQ(sequence.state, replay.state);
  EXPECT_EQ(record_.编辑框2.find("  ") != std::string::npos, form == 2);
}

TEST_F(RunBatchTest, FileNameIsTheCountTextAsTyped) {
  std::filesystem::create_directories(directory_ / "inner");
  struct Case {
    Text count;
    std::filesystem::path written;  // empty when no file may appear
  };
  const Case cases[] = {
      {"", TeamFile("")},
      {" 2", TeamFile(" 2")},
      {"\xA3\xB1\xA3\xB2", TeamFile("１２")},  // full-width digits stay in the name
      {"1?", TeamFile("1?")},
      {"1|2", TeamFile("1|2")},
      {"1\\2", TeamFile("1\\2")},
      {"inner/../../5", std::filesystem::path("..") / TeamFile("5")},
      {"inner/3", std::filesystem::path("inner") / TeamFile("3")},
      {"missing/3", {}},
      {std::string(300, '1'), {}},   // longer than a file name may be
      {"3\xB0", {}},                 // not valid GBK
      {std::string("3\0x", 3), {}},  // a zero byte would cut the name short
  };
  for (const Case& c : cases) {
    record_.编辑框4 = c.count;
    SequenceSource sequence;
    RunTeamBatch(boxes_, sequence, Directory());
    if (!c.written.empty()) {
      EXPECT_EQ(ReadFile(directory_ / c.written), record_.编辑框5.View()) << c.count;
      std::filesystem::remove(directory_ / c.written);
    }
  }
  // Nothing else was written, under the program directory or beside it.
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(directory_)) {
    if (entry.is_regular_file()) left.push_back(entry.path().string());
  }
  EXPECT_EQ(left, std::vector<std::string>{});
  EXPECT_FALSE(std::filesystem::exists(directory_ / TeamFile("3")));
}

}  // namespace
