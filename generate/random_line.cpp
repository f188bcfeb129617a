#include "generate/random_line.h"

#include "batch/run_batch.h"
#include "generate/characters.h"

Text MakeRandomNickname(SequenceSource& sequence, int parts) {
  Text nickname;
  for (int j = 0; j < parts; ++j) {
    switch (PickBySequence(sequence, 1, 4)) {
      case 1: nickname += MakeAlnumChar(1); break;
      case 2: nickname += MakeHanzi(1); break;
      case 3: nickname += MakeDigit(1); break;
      default: nickname += ' '; break;
    }
  }
  return nickname;
}

Text MakeRandomLine(SequenceSource& sequence) {
  return MakeRandomNickname(sequence, PickBySequence(sequence, 2, 8));
}

void RunRandomBatch(const Boxes& boxes, SequenceSource& sequence,
                    const std::string& programDirectory) {
  RunBatch(
      boxes, [&] { return MakeRandomLine(sequence); }, kRandomBatchSuffix, programDirectory);
}
