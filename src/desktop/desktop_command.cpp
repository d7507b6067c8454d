#include "desktop/desktop_command.h"

#include <cctype>

namespace lumidex {
namespace {

bool NeedsQuotes(const std::string& word) {
  if (word.empty()) return true;
  for (const char c : word) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80 && std::isalnum(byte)) continue;
    if (std::string_view("-_./=:,@%+").find(c) != std::string_view::npos) continue;
    return true;
  }
  return false;
}

}  // namespace

std::string CommandLineText(const std::vector<std::string>& argv) {
  std::string line;
  for (const std::string& word : argv) {
    if (!line.empty()) line += ' ';
    if (!NeedsQuotes(word)) {
      line += word;
      continue;
    }
    // Inside single quotes only the quote itself needs care: end the
    // quoted part, add an escaped quote, open a new one.
    line += '\'';
    for (const char c : word) {
      if (c == '\'') {
        line += "'\\''";
      } else {
        line += c;
      }
    }
    line += '\'';
  }
  return line;
}

}  // namespace lumidex
