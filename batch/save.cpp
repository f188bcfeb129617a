#include "batch/save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>

#include "batch/gbk.h"

namespace {

// Returns the mode a newly created file gets: read and write for all, less the umask.
mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Writes all bytes, going on after a short write; false when any write fails.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

bool WriteBatchFile(const std::string& path, std::string_view bytes) {
  if (path.empty() || path.find('\0') != std::string::npos) return false;
  std::string temporary = path.substr(0, path.rfind('/') + 1) + ".name-workshop-XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool written = fchmod(fd, NewFileMode()) == 0 && WriteAll(fd, bytes);
  written = close(fd) == 0 && written;
  if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  unlink(temporary.c_str());
  return false;
}

void SaveBatch(const Boxes& boxes, std::string_view suffix, const std::string& programDirectory) {
  const std::optional<std::string> name = Utf8FromGbk(boxes.ReadBoxText(Box::编辑框4));
  const std::optional<std::string> ending = Utf8FromGbk(suffix);
  if (!name || !ending) return;
  WriteBatchFile(programDirectory + "/" + *name + *ending, boxes.ReadBoxText(Box::编辑框5));
}
