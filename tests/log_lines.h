#pragma once

#include <string>
#include <string_view>
#include <vector>

// Returns a batch log's pieces between its CR LF line breaks; the last is the trailer line.
inline std::vector<std::string> LogLines(std::string_view log) {
  std::vector<std::string> lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = log.find("\r\n", start);
    lines.emplace_back(log.substr(start, end - start));
    if (end == std::string_view::npos) return lines;
    start = end + 2;
  }
}
