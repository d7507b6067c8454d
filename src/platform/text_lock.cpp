#include "platform/text_lock.h"

namespace lumidex::platform {
namespace {

// Spaces are kept: the settings file trims them from the ends of a value,
// so a scrambled text must not gain any there.
constexpr int kFirst = 0x21;  // '!'
constexpr int kLast = 0x7E;   // '~'
constexpr int kRange = kLast - kFirst + 1;

// How far the character at `position` moves: the key character there, plus
// a step that grows with the position, so that a repeated character of the
// text does not give a repeated character of the result. 0..kRange-1.
int ShiftAt(std::string_view key, size_t position) {
  const auto k = static_cast<unsigned char>(key[position % key.size()]);
  return static_cast<int>((k + 7 * position + 3) % kRange);
}

std::string Move(std::string_view text, std::string_view key, bool forward) {
  std::string result(text);
  if (key.empty()) return result;
  for (size_t i = 0; i < result.size(); ++i) {
    const int c = static_cast<unsigned char>(result[i]);
    if (c < kFirst || c > kLast) continue;
    const int shift = ShiftAt(key, i);
    const int moved = (c - kFirst + (forward ? shift : kRange - shift)) % kRange;
    result[i] = static_cast<char>(kFirst + moved);
  }
  return result;
}

}  // namespace

std::string TextLock(std::string_view text, std::string_view key) { return Move(text, key, true); }

std::string TextUnLock(std::string_view text, std::string_view key) { return Move(text, key, false); }

}  // namespace lumidex::platform
