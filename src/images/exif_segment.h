#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumidex {

// Finds the Exif block of a JPEG: the data of the first APP1 segment (marker
// 0xFF 0xE1) whose data start with "Exif" and a NUL (any letter case). The
// walk goes from marker to marker by the segment lengths, starting after
// the start-of-image marker 0xFF 0xD8, and gives up at the start of scan,
// the end of the image, a damaged marker or the end of the data; so a byte
// 0xE1 inside another segment is never taken for the marker, and a file
// without Exif is not read beyond its headers. nullopt when there is none.
std::optional<std::string> FindExifSegment(std::string_view jpeg);

// The same walk over the file `path`, reading only the marker headers and
// the Exif segment (at most 64 KB). nullopt when the file cannot be read or
// has no Exif block. Thread-safe.
std::optional<std::string> ReadExifSegment(const std::string& path);

}  // namespace lumidex
