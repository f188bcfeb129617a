#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "batch/box_record.h"
#include "batch/gbk.h"

// Holds a fresh program directory and the five boxes with the window's initial texts.
class BatchFixture : public ::testing::Test {
 protected:
  BatchFixture() {
    directory_ = std::filesystem::temp_directory_path() /
                 ("name-workshop-test-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(directory_);
    std::filesystem::create_directories(directory_);
    record_.编辑框1 = GbkFromUtf8("霁川守护");
    record_.编辑框2 = GbkFromUtf8("【大湿】");
    record_.编辑框3 = GbkFromUtf8("【霁川团员】");
    record_.编辑框4 = "10000";
  }
  ~BatchFixture() override { std::filesystem::remove_all(directory_); }

  // Returns the bytes of a file, or "<missing>" when there is none.
  static std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::string Directory() const { return directory_.string(); }

  std::filesystem::path directory_;
  BoxRecord record_;
  Boxes boxes_ = BoxesOf(record_);
};
