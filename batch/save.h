#pragma once

#include <string>
#include <string_view>

#include "batch/boxes.h"

// Writes the bytes as the whole content of the file at path, or changes nothing. The bytes go to
// a new file beside it first, which is renamed over the old one only once all are written, so a
// failed write (a full disk, a bad name) leaves any earlier file exactly as it was, and no reader
// ever sees the file half-written. Returns true when every byte was written.
bool WriteBatchFile(const std::string& path, std::string_view bytes);

// Saves the output box's text to the program directory, in the file named by the count box's text
// followed by the suffix. A failure writes nothing and says nothing.
void SaveBatch(const Boxes& boxes, std::string_view suffix, const std::string& programDirectory);
