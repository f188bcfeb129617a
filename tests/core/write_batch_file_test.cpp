#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include "batch/save.h"
#include "batch_fixture.h"

namespace {

using WriteBatchFileTest = BatchFixture;

// Runs WriteBatchFile in a child process whose files may grow to at most limit bytes, as on a
// disk that fills up; returns its result.
bool WriteWithFileSizeLimit(const std::string& path, const std::string& bytes, rlim_t limit) {
  const pid_t child = fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
    const rlimit rl{limit, limit};
    setrlimit(RLIMIT_FSIZE, &rl);
    _exit(WriteBatchFile(path, bytes) ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status));
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Returns the names of the files in a directory.
std::vector<std::string> FilesIn(const std::filesystem::path& directory) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(WriteBatchFileTest, WritesNewFilesAndReplacesOldOnesWhole) {
  const std::string path = (directory_ / "batch.txt").string();
  ASSERT_TRUE(WriteBatchFile(path, std::string(100000, 'a')));
  ASSERT_TRUE(WriteBatchFile(path, "short"));
  EXPECT_EQ(ReadFile(path), "short");
  ASSERT_TRUE(WriteBatchFile(path, ""));
  EXPECT_EQ(ReadFile(path), "");
  EXPECT_EQ(FilesIn(directory_), std::vector<std::string>{"batch.txt"});
}

TEST_F(WriteBatchFileTest, NewFileGetsTheUsualPermissions) {
  const mode_t old = umask(022);
  const std::string path = (directory_ / "batch.txt").string();
  ASSERT_TRUE(WriteBatchFile(path, "x"));
  umask(old);
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST_F(WriteBatchFileTest, FullDiskLeavesTheEarlierFileAsItWas) {
  const std::string path = (directory_ / "batch.txt").string();
  ASSERT_TRUE(WriteBatchFile(path, "the earlier batch"));
  EXPECT_FALSE(WriteWithFileSizeLimit(path, std::string(200000, 'b'), 4096));
  EXPECT_EQ(ReadFile(path), "the earlier batch");
  EXPECT_EQ(FilesIn(directory_), std::vector<std::string>{"batch.txt"});
  EXPECT_TRUE(WriteWithFileSizeLimit(path, std::string(4096, 'c'), 4096));
  EXPECT_EQ(ReadFile(path), std::string(4096, 'c'));
}

TEST_F(WriteBatchFileTest, PathsThatCannotBeWrittenFailAndTouchNothing) {
  ASSERT_TRUE(WriteBatchFile((directory_ / "plain").string(), "a regular file"));
  std::filesystem::create_directories(directory_ / "folder");
  ASSERT_TRUE(WriteBatchFile((directory_ / "folder" / "inside").string(), "kept"));
  const std::string cases[] = {
      "",
      (directory_ / "plain" / "through-a-file.txt").string(),
      (directory_ / "missing" / "x.txt").string(),
      (directory_ / "folder").string(),  // a directory where the file should be
      (directory_ / std::string(300, 'n')).string(),
      (directory_ / "zero").string() + std::string(1, '\0') + "tail",
  };
  for (const std::string& path : cases) EXPECT_FALSE(WriteBatchFile(path, "bytes")) << path;
  EXPECT_EQ(FilesIn(directory_), (std::vector<std::string>{"folder", "plain"}));
  EXPECT_EQ(FilesIn(directory_ / "folder"), std::vector<std::string>{"inside"});
  EXPECT_EQ(ReadFile(directory_ / "plain"), "a regular file");
}

}  // namespace
