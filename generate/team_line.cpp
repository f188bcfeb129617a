#include "generate/team_line.h"

#include "batch/run_batch.h"
#include "generate/characters.h"

namespace {

constexpr std::string_view kOpenBracket = "\xA1\xBE";   // 【
constexpr std::string_view kCloseBracket = "\xA1\xBF";  // 】

}  // namespace

Text MakeTeamName(SequenceSource& sequence) {
  const bool twoCharacters = PickBySequence(sequence, 2, 3) == 2;
  const Text x = MakeHanzi(1);
  const Text y = MakeHanzi(1);
  if (twoCharacters) return x + "  " + y;
  return x + y + MakeHanzi(1);
}

Text MakeTeamLine(const Boxes& boxes, SequenceSource& sequence) {
  Text bracketed(kOpenBracket);
  bracketed.append(MakeTeamName(sequence)).append(kCloseBracket);
  boxes.SetBoxText(Box::编辑框2, bracketed);
  const std::string_view prefix = boxes.ReadBoxText(Box::编辑框1);
  const std::string_view name = boxes.ReadBoxText(Box::编辑框2);
  const std::string_view position = boxes.ReadBoxText(Box::编辑框3);
  Text line;
  line.reserve(prefix.size() + name.size() + position.size());
  line.append(prefix).append(name).append(position);
  return line;
}

void RunTeamBatch(const Boxes& boxes, SequenceSource& sequence,
                  const std::string& programDirectory) {
  RunBatch(
      boxes, [&] { return MakeTeamLine(boxes, sequence); }, kTeamBatchSuffix, programDirectory);
}
