#include "batch/program_directory.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

namespace {

// The directory must be the one holding this test program, wherever the working directory is.
TEST(ProgramDirectory, HoldsTheRunningProgramWhateverTheWorkingDirectory) {
  const std::filesystem::path before = std::filesystem::current_path();
  ASSERT_EQ(chdir("/"), 0);
  const std::string directory = ProgramDirectory();
  std::filesystem::current_path(before);
  ASSERT_FALSE(directory.empty());
  EXPECT_EQ(directory.front(), '/');
  EXPECT_NE(directory.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(directory + "/core_tests"));
}

}  // namespace
