#pragma once

#include <cstdint>
#include <string_view>

#include "batch/text.h"

// Returns the text with GBK full-width forms turned into ASCII: the full-width printable
// characters, the ideographic space, the wave dash and the two stars. A lead byte with nothing
// after it is dropped.
Text FoldFullWidth(std::string_view text);

// Returns the count that a text asks for: full-width forms folded, leading white space skipped, an
// optional sign, then decimal digits up to the first other byte, wrapping modulo 2^32. Text without
// a number gives 0.
std::int32_t ParseCount(std::string_view text);
