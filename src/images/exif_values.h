#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumidex {

// Texts of the Exif values the shooting information shows. Stateless.

// The text of `value` in the table of `tag` (metering mode 0x9207, light
// source 0x9208, exposure program 0x8822, subject distance range 0xA40C,
// scene capture type 0xA406, contrast 0xA408, sharpness 0xA40A); "" for a
// value outside the table, or for text that is not an integer.
std::string ExifTableText(int tag, std::string_view value);

// True for the tags ExifTableText knows.
bool HasExifTable(int tag);

// The flash text of a Flash value: fired or not, red-eye reduction (bit
// 0x40), return light detected (bits 0x06). "" for text that is not an
// integer.
std::string ExifFlashText(std::string_view value);

// Exposure time as photographers write it: "1/n" with n = ceil(den / num)
// for times below one second, in integer arithmetic (1/49 stays 1/49);
// otherwise the quotient (4/1 gives "4"). "" for a zero denominator.
std::string ExifExposureText(int64_t numerator, int64_t denominator);

// numerator / denominator as a person reads it: converted to single
// precision and printed in the shortest form that reads back as the same
// single-precision value ("7.1" for 71/10, "2.2" for 9227469/4194304).
// "" for a zero denominator.
std::string ExifRationalText(int64_t numerator, int64_t denominator);

// The text of a UserComment value: its first 8 bytes name the code
// ("ASCII", "JIS", "UNICODE", or three NULs for undefined); the rest is
// decoded up to the first NUL. "" for an unknown code or fewer than 8 bytes.
std::string ExifUserCommentText(std::string_view bytes);

}  // namespace lumidex
