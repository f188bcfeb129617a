#include "batch/count.h"

#include <cstddef>

namespace {

// Returns the ASCII byte that a two-byte full-width form stands for, or 0 when it stands for none.
char FoldedPair(unsigned char first, unsigned char second) {
  if (first == 0xA3 && second >= 0xA1 && second <= 0xFE) return static_cast<char>(second - 0x80);
  if (first == 0xA1 && second == 0xA1) return ' ';
  if (first == 0xA1 && second == 0xAB) return '~';
  if (first == 0xA1 && (second == 0xEE || second == 0xEF)) return '*';
  return 0;
}

bool IsAsciiSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

Text FoldFullWidth(std::string_view text) {
  Text folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto first = static_cast<unsigned char>(text[i]);
    if (first < 0x80) {
      folded += text[i];
      continue;
    }
    if (i + 1 == text.size()) break;
    const auto second = static_cast<unsigned char>(text[++i]);
    if (const char ascii = FoldedPair(first, second)) {
      folded += ascii;
    } else {
      folded += text[i - 1];
      folded += text[i];
    }
  }
  return folded;
}

std::int32_t ParseCount(std::string_view text) {
  const Text folded = FoldFullWidth(text);
  std::size_t i = 0;
  while (i < folded.size() && IsAsciiSpace(folded[i])) ++i;
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
  std::uint32_t value = 0;
  for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i) {
    value = value * 10 + static_cast<std::uint32_t>(folded[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}
