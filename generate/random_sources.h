#pragma once

#include <cstdint>

// Draws the shapes of nicknames: a linear congruential sequence that starts from the same state
// at every start of the program and runs on from batch to batch.
struct SequenceSource {
  std::uint32_t state = 1;
};

// Returns the next value of the sequence in [lo, hi]; lo < hi.
std::int32_t PickBySequence(SequenceSource& source, std::int32_t lo, std::int32_t hi);

// Returns the low 32 bits of the processor's time-stamp counter, or of a fast monotonic clock on a
// processor without one.
std::uint32_t ReadCounter();

// Returns a value in [lo, hi] made from a fresh counter reading, or 0 when hi < lo.
std::int32_t PickByCounter(std::int32_t lo, std::int32_t hi);
