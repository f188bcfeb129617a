#pragma once

#include <cstddef>
#include <string_view>

// Holds a batch's log: bytes that grow at the end without ever being copied, so that a log costs
// about its own size in memory however large it gets.
class OutputLog {
 public:
  OutputLog() = default;
  OutputLog(const OutputLog&) = delete;
  OutputLog& operator=(const OutputLog&) = delete;
  ~OutputLog();

  // Adds bytes at the end; throws std::bad_alloc when no memory is left.
  void Append(std::string_view piece);
  // Empties the log and gives its memory back.
  void Clear();
  // Returns the bytes; the view stays valid until the next Append or Clear.
  std::string_view View() const { return {data_, size_}; }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};
