#include "platform/mul_div.h"

#include <cstdlib>

namespace plat {

int mul_div(int value, int numerator, int denominator) {
  if (denominator == 0) return -1;
  long long product = static_cast<long long>(value) * numerator;
  long long half = std::llabs(denominator) / 2;
  bool negative = (product < 0) != (denominator < 0);
  long long magnitude = (std::llabs(product) + half) / std::llabs(denominator);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace plat
