#pragma once

#include <string>

// A run of GBK bytes: a Chinese character is two bytes, an ASCII character one.
using Text = std::string;
