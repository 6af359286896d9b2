#include "deck/Lcg.h"

namespace sibylon {
namespace {

constexpr std::uint32_t kSeedMultiplier = 22695477u;
constexpr std::uint64_t kMultiplier = (std::uint64_t{346} << 32) + 20021u;

}  // namespace

// The seed product is taken in 32 bits on purpose.
Lcg::Lcg(std::uint32_t seed) : state_(static_cast<std::uint32_t>(seed * kSeedMultiplier + 1u)) {}

std::uint32_t Lcg::Draw() {
  state_ = state_ * kMultiplier + 1u;  // unsigned arithmetic wraps modulo 2^64
  return static_cast<std::uint32_t>(state_ >> 32) & 0x7FFFFFFFu;
}

std::uint32_t Lcg::Index(std::uint32_t n) { return n == 0 ? 0 : Draw() % n; }

}  // namespace sibylon
