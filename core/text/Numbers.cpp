#include "text/Numbers.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstddef>

namespace quillet {

int ParseIntLikeAtoi(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

double ParseDoubleLikeAtof(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const auto digit = [&](std::size_t at) { return at < text.size() && text[at] >= '0' && text[at] <= '9'; };
  long double mantissa = 0;
  int scale = 0;
  bool any = false;
  for (; digit(i); ++i, any = true) mantissa = mantissa * 10 + (text[i] - '0');
  if (i < text.size() && text[i] == '.') {
    for (++i; digit(i); ++i, any = true) {
      mantissa = mantissa * 10 + (text[i] - '0');
      --scale;
    }
  }
  if (!any) return 0.0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t at = i + 1;
    bool negativeExponent = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negativeExponent = text[at++] == '-';
    if (digit(at)) {
      int exponent = 0;
      for (; digit(at); ++at) exponent = exponent < 100000 ? exponent * 10 + (text[at] - '0') : exponent;
      scale += negativeExponent ? -exponent : exponent;
    }
  }
  const long double value = mantissa * std::pow(10.0L, static_cast<long double>(scale));
  const double result = value > DBL_MAX ? HUGE_VAL : static_cast<double>(value);
  return negative ? -result : result;
}

}  // namespace quillet
