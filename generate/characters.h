#pragma once

#include "batch/text.h"

// Each returns n characters drawn one by one from the counter; n <= 0 gives the empty text.

// Returns n ASCII letters and digits.
Text MakeAlnumChar(int n);
// Returns n two-byte GB2312 Chinese characters, both bytes in 0xB0..0xDA.
Text MakeHanzi(int n);
// Returns n decimal digits.
Text MakeDigit(int n);
