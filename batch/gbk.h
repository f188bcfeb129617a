#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "batch/text.h"

// Converts between the GBK bytes used inside the program and UTF-8, as the one place where text
// changes encoding. GB18030 is used both ways: it agrees with GBK on every GBK character and also
// covers the rest of Unicode, so nothing typed is lost.

// Returns the UTF-8 form of GBK bytes, or nothing when the bytes are not valid GB18030.
std::optional<std::string> Utf8FromGbk(std::string_view gbk);

// Returns the GBK form of UTF-8 text; characters outside GBK take their four-byte GB18030 form.
// Bytes that are not valid UTF-8 are left out.
Text GbkFromUtf8(std::string_view utf8);
