#pragma once

// A tiny JPEG whose only content is an Exif block with a shooting date, for
// benchmarks that read shooting information from many files.

#include <string>

namespace lumidex::bench {

inline void Put16(std::string& s, unsigned v) {
  s.push_back(static_cast<char>(v & 0xFF));
  s.push_back(static_cast<char>(v >> 8));
}
inline void Put32(std::string& s, unsigned v) {
  Put16(s, v & 0xFFFF);
  Put16(s, v >> 16);
}

// SOI, an APP1 Exif block (little endian) with DateTimeOriginal, EOI.
inline std::string ExifJpeg(const std::string& when) {
  std::string tiff = "II";
  Put16(tiff, 42);
  Put32(tiff, 8);
  Put16(tiff, 1);  // IFD0: the Exif pointer only
  Put16(tiff, 0x8769);
  Put16(tiff, 4);
  Put32(tiff, 1);
  Put32(tiff, 8 + 2 + 12 + 4);
  Put32(tiff, 0);
  Put16(tiff, 1);  // Exif IFD: DateTimeOriginal
  Put16(tiff, 0x9003);
  Put16(tiff, 2);
  Put32(tiff, 20);
  Put32(tiff, static_cast<unsigned>(tiff.size() + 4 + 4));
  Put32(tiff, 0);
  tiff += when;
  tiff.push_back('\0');
  const std::string payload = std::string("Exif\0\0", 6) + tiff;
  std::string jpeg = "\xFF\xD8\xFF\xE1";
  jpeg.push_back(static_cast<char>((payload.size() + 2) >> 8));
  jpeg.push_back(static_cast<char>((payload.size() + 2) & 0xFF));
  return jpeg + payload + "\xFF\xD9";
}

}  // namespace lumidex::bench
