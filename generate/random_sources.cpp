#include "generate/random_sources.h"

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#else
#include <chrono>
#endif

namespace {

// Returns the distance from lo to a value in [lo, hi], made from 32 random bits.
std::uint32_t Spread(std::uint32_t bits, std::int32_t lo, std::int32_t hi) {
  return bits % (static_cast<std::uint32_t>(hi) - static_cast<std::uint32_t>(lo) + 1u);
}

// Scrambles a counter reading with a bijective 32-bit hash finaliser. Readings taken a few cycles
// apart differ only in their low bits; unmixed, one character's second byte would follow from its
// first and only a few dozen characters would ever appear.
std::uint32_t Mix(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x85EBCA6Bu;
  x ^= x >> 13;
  x *= 0xC2B2AE35u;
  x ^= x >> 16;
  return x;
}

}  // namespace

std::int32_t PickBySequence(SequenceSource& source, std::int32_t lo, std::int32_t hi) {
  source.state = source.state * 214013u + 2531011u;
  const std::uint32_t out = (source.state >> 16) & 0x7FFFu;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(lo) + Spread(out, lo, hi));
}

std::uint32_t ReadCounter() {
#if defined(__x86_64__) || defined(__i386__)
  return static_cast<std::uint32_t>(__rdtsc());
#else
  return static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
#endif
}

std::int32_t PickByCounter(std::int32_t lo, std::int32_t hi) {
  if (hi < lo) return 0;
  const std::uint32_t m = Mix(ReadCounter()) * 23u + 7u;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(lo) + Spread(m, lo, hi));
}
