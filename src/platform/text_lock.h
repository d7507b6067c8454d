#pragma once

#include <string>
#include <string_view>

namespace lumidex::platform {

// A reversible scrambling of short texts such as a password, so that the
// settings file does not show them as they were typed. It is no encryption:
// anyone with this code can turn the text back.
//
// Each visible ASCII character (0x21..0x7E) is moved forward in that range
// of 94 characters by an amount taken from `key` and from its position; every
// other byte (spaces, control characters, UTF-8 sequences) is kept as it is.
// So the result has the length of the text, an empty text stays empty, a
// text of printable ASCII gives printable ASCII, and spaces stay where they
// were (a settings file that trims the ends of its values loses none that
// the text did not have there).
//
// TextUnLock(TextLock(text, key), key) == text for every text and key; an
// empty key leaves the text unchanged.
std::string TextLock(std::string_view text, std::string_view key);
std::string TextUnLock(std::string_view text, std::string_view key);

}  // namespace lumidex::platform
