#pragma once

#include <cstdint>

namespace sibylon {

// The shuffle's random generator: a 64-bit linear congruential generator. Its exact sequence is
// part of the program's behaviour (the same seed and deck options always deal the same cards),
// so it must not be replaced by a library engine.
class Lcg {
 public:
  // S = (seed * 22695477 + 1) mod 2^32; the upper half of the state starts at zero.
  explicit Lcg(std::uint32_t seed);

  // S = (S * (346 * 2^32 + 20021) + 1) mod 2^64; yields bits 32..62 of S (31 bits).
  std::uint32_t Draw();

  // A draw modulo n; for n = 0 the index is 0 and no draw is made.
  std::uint32_t Index(std::uint32_t n);

  std::uint64_t State() const { return state_; }

 private:
  std::uint64_t state_;
};

}  // namespace sibylon
