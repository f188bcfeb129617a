#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "batch/boxes.h"
#include "batch/text.h"

// Makes one nickname line, without its line break.
using LineBuilder = std::function<Text()>;

// Ends every batch's log: the author credit "作者墨竹坊  QQ" and a contact number, in GBK.
inline constexpr std::string_view TrailerLine =
    "\xD7\xF7\xD5\xDF\xC4\xAB\xD6\xF1\xB7\xBB  QQ12345678";

// Runs one batch: clears the output box, makes as many lines as the count box asks for, appends
// each with CR LF and then the trailer line, and saves the output box's text to the batch file.
void RunBatch(const Boxes& boxes, const LineBuilder& makeLine, std::string_view suffix,
              const std::string& programDirectory);
