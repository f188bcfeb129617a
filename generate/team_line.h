#pragma once

#include <string>
#include <string_view>

#include "batch/boxes.h"
#include "batch/text.h"
#include "generate/random_sources.h"

// Names the file of a team batch after its count: "个军团马甲.txt" in GBK.
inline constexpr std::string_view kTeamBatchSuffix = "\xB8\xF6\xBE\xFC\xCD\xC5\xC2\xED\xBC\xD7.txt";

// Returns a six-byte name: three Chinese characters, or two with two spaces between them.
Text MakeTeamName(SequenceSource& sequence);

// Writes a new 【name】 into the name box, then returns the prefix, name and position boxes'
// texts joined, as they stand after that write.
Text MakeTeamLine(const Boxes& boxes, SequenceSource& sequence);

// Runs a batch of team lines, saved as <count>个军团马甲.txt.
void RunTeamBatch(const Boxes& boxes, SequenceSource& sequence,
                  const std::string& programDirectory);
