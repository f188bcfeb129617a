#pragma once

#include <functional>
#include <string_view>

#include "batch/text.h"

// Names the five edit boxes of the window by their control names.
enum class Box {
  编辑框1,  // prefix box: starts every team line
  编辑框2,  // name box: shows the bracketed name of the last team line
  编辑框3,  // position box: ends every team line
  编辑框4,  // count box: how many lines a batch makes, and the batch file's name
  编辑框5,  // output box: the log of the last batch
};

// Reaches the boxes for the batch code, whoever holds them: the window in the program, a plain
// record in tests and benchmarks.
struct Boxes {
  // Returns the box's whole text; the view stays valid until that box changes.
  std::function<std::string_view(Box)> ReadBoxText;
  // Replaces the box's whole text.
  std::function<void(Box, std::string_view)> SetBoxText;
  // Adds a piece at the end of the output box's text.
  std::function<void(std::string_view)> AppendOutput;
};

// Empties the output box.
inline void ClearOutput(const Boxes& boxes) {
  boxes.SetBoxText(Box::编辑框5, {});
}
