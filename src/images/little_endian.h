#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lumidex {

// Little-endian fields of the BMP, GIF and ICO formats, read from a byte
// buffer. REQUIRES: the field lies inside `bytes` (callers check the length
// against the format's structure before reading).
inline uint32_t LittleEndian16(std::string_view bytes, size_t at) {
  return static_cast<uint8_t>(bytes[at]) |
         (static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8);
}

inline uint32_t LittleEndian32(std::string_view bytes, size_t at) {
  return LittleEndian16(bytes, at) | (LittleEndian16(bytes, at + 2) << 16);
}

}  // namespace lumidex
