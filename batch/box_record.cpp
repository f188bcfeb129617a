#include "batch/box_record.h"

namespace {

// Returns the field that holds a one-line box's text.
Text& LineBox(BoxRecord& record, Box box) {
  switch (box) {
    case Box::编辑框1: return record.编辑框1;
    case Box::编辑框2: return record.编辑框2;
    case Box::编辑框3: return record.编辑框3;
    default: return record.编辑框4;
  }
}

}  // namespace

Boxes BoxesOf(BoxRecord& record) {
  return {
      .ReadBoxText = [&record](Box box) -> std::string_view {
        if (box == Box::编辑框5) return record.编辑框5.View();
        return LineBox(record, box);
      },
      .SetBoxText =
          [&record](Box box, std::string_view text) {
            if (box != Box::编辑框5) {
              LineBox(record, box) = text;
              return;
            }
            record.编辑框5.Clear();
            record.编辑框5.Append(text);
          },
      .AppendOutput = [&record](std::string_view piece) { record.编辑框5.Append(piece); },
  };
}
