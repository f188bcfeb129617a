#include "batch/run_batch.h"

#include <cstdint>

#include "batch/count.h"
#include "batch/save.h"

void RunBatch(const Boxes& boxes, const LineBuilder& makeLine, std::string_view suffix,
              const std::string& programDirectory) {
  ClearOutput(boxes);
  const std::int32_t count = ParseCount(boxes.ReadBoxText(Box::编辑框4));
  Text piece;  // keeps its buffer from line to line
  for (std::int32_t i = 0; i < count; ++i) {
    const Text line = makeLine();
    piece.assign(line).append("\r\n");
    boxes.AppendOutput(piece);
  }
  boxes.AppendOutput(TrailerLine);
  SaveBatch(boxes, suffix, programDirectory);
}
