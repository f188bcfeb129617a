#include "batch/output_log.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr std::size_t kFirstCapacity = std::size_t{64} << 10;
constexpr std::size_t kPageSize = 4096;

}  // namespace

OutputLog::~OutputLog() {
  Clear();
}

void OutputLog::Append(std::string_view piece) {
  if (piece.size() > capacity_ - size_) {
    // Pages are mapped lazily and moved, not copied, when the mapping grows, so doubling the
    // capacity costs neither a copy of the log nor memory for the part not yet written.
    std::size_t wanted = std::max({kFirstCapacity, 2 * capacity_, size_ + piece.size()});
    wanted = (wanted + kPageSize - 1) / kPageSize * kPageSize;
    void* grown = data_ == nullptr ? mmap(nullptr, wanted, PROT_READ | PROT_WRITE,
                                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)
                                   : mremap(data_, capacity_, wanted, MREMAP_MAYMOVE);
    if (grown == MAP_FAILED) throw std::bad_alloc();
    data_ = static_cast<char*>(grown);
    capacity_ = wanted;
  }
  if (!piece.empty()) std::memcpy(data_ + size_, piece.data(), piece.size());
  size_ += piece.size();
}

void OutputLog::Clear() {
  if (data_ != nullptr) munmap(data_, capacity_);
  data_ = nullptr;
  size_ = 0;
  capacity_ = 0;
}
