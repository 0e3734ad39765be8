#include "core/random.h"

#include <algorithm>

namespace core {

int Random::operator()(int n) {
  const int result = Draw(n);
  if (Observer) Observer(n, result);
  return result;
}

int Random::Draw(int n) {
  if (n < 1) return 0;
  if (!script_.empty()) {
    const int draw = script_.front();
    script_.pop_front();
    return std::clamp(draw, 0, n - 1);
  }
  seed_ = seed_ * 134775813u + 1u;
  return static_cast<int>((static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(n)) >> 32);
}

}  // namespace core
