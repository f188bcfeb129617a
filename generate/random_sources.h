#pragma once

#include <cstdint>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#else
#include <chrono>
#endif

// The two sources of every random choice, kept inline so that the constant bounds of each call
// turn the modulo into a multiplication.

// Draws the shapes of nicknames: a linear congruential sequence that starts from the same state
// at every start of the program and runs on from batch to batch.
struct SequenceSource {
  std::uint32_t state = 1;
};

// Returns the distance from lo to a value in [lo, hi], made from 32 random bits.
inline std::uint32_t SpreadOver(std::uint32_t bits, std::int32_t lo, std::int32_t hi) {
  return bits % (static_cast<std::uint32_t>(hi) - static_cast<std::uint32_t>(lo) + 1u);
}

// Returns the next value of the sequence in [lo, hi]; lo < hi.
inline std::int32_t PickBySequence(SequenceSource& source, std::int32_t lo, std::int32_t hi) {
  source.state = source.state * 214013u + 2531011u;
  const std::uint32_t out = (source.state >> 16) & 0x7FFFu;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(lo) + SpreadOver(out, lo, hi));
}

// Returns the low 32 bits of the processor's time-stamp counter, or of a fast monotonic clock on a
// processor without one.
inline std::uint32_t ReadCounter() {
#if defined(__x86_64__) || defined(__i386__)
  return static_cast<std::uint32_t>(__rdtsc());
#else
  return static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
#endif
}

// Scrambles a counter reading with a bijective 32-bit hash finaliser. Readings taken a few cycles
// apart differ only in their low bits; unmixed, one character's second byte would follow from its
// first and only a few dozen characters would ever appear.
inline std::uint32_t MixCounter(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x85EBCA6Bu;
  x ^= x >> 13;
  x *= 0xC2B2AE35u;
  x ^= x >> 16;
  return x;
}

// Returns a value in [lo, hi] made from a fresh counter reading, or 0 when hi < lo.
inline std::int32_t PickByCounter(std::int32_t lo, std::int32_t hi) {
  if (hi < lo) return 0;
  const std::uint32_t m = MixCounter(ReadCounter()) * 23u + 7u;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(lo) + SpreadOver(m, lo, hi));
}
