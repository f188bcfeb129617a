#pragma once

#include <string>
#include <string_view>

#include "batch/boxes.h"
#include "batch/text.h"
#include "generate/random_sources.h"

// Names the file of a random batch after its count: "个随机马甲.txt" in GBK.
inline constexpr std::string_view kRandomBatchSuffix =
    "\xB8\xF6\xCB\xE6\xBB\xFA\xC2\xED\xBC\xD7.txt";

// Returns a nickname of the given number of parts, each an ASCII letter or digit, a Chinese
// character, a decimal digit or a space; parts <= 0 gives the empty text.
Text MakeRandomNickname(SequenceSource& sequence, int parts);

// Returns a nickname of two to eight parts.
Text MakeRandomLine(SequenceSource& sequence);

// Runs a batch of random lines, saved as <count>个随机马甲.txt.
void RunRandomBatch(const Boxes& boxes, SequenceSource& sequence,
                    const std::string& programDirectory);
