#pragma once

#include <string>

// Returns the directory that holds the running program's file, without a trailing "/" (the root
// is ""), in the file system's own encoding. Batch files are saved there.
std::string ProgramDirectory();
