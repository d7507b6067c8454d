#include "foundation/message_format.h"

namespace lumidex {

std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(pattern.size() + 32);
  auto next = args.begin();
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c != '%' || i + 1 >= pattern.size()) {
      out += c;
      continue;
    }
    const char directive = pattern[i + 1];
    if (directive == '%') {
      out += '%';
      ++i;
    } else if ((directive == 's' || directive == 'd') && next != args.end()) {
      out += *next++;
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

std::string WithThousandsSeparators(long long n) {
  const bool negative = n < 0;
  unsigned long long magnitude =
      negative ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
  std::string digits = std::to_string(magnitude);
  std::string out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return negative ? "-" + out : out;
}

}  // namespace lumidex
