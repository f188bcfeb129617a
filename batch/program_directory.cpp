#include "batch/program_directory.h"

#include <filesystem>

std::string ProgramDirectory() {
  const std::string program = std::filesystem::read_symlink("/proc/self/exe").string();
  return program.substr(0, program.rfind('/'));
}
