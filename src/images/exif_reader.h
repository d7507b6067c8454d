#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

// The directories ExifTag looks in.
inline constexpr int kExifIfd0 = 0;
inline constexpr int kExifSubIfd = 0x8769;

// The text when a picture has no shooting information.
inline constexpr std::string_view kNoExifText = "Exif 情報が見つかりません。";

// The shooting-information lines of an Exif segment (as FindExifSegment
// gives it), each "NN=label: value" with the two-digit sort key, sorted.
// Reads the TIFF header at offset 6 ("II" or "MM" and 42), IFD0 (Make,
// Model, Software, DateTime) and, through its pointer 0x8769, the Exif
// directory; IFD0 entries after that pointer are not read. Every offset and
// count is checked against the segment: reading stops at the first entry
// outside it, and a value outside it, a zero denominator or a value that is
// not a number for its table gives an empty value, never an error.
std::vector<std::string> ExifLinesOf(std::string_view segment);

// The formatted value of one tag of IFD0 (directory kExifIfd0) or of the
// Exif directory (kExifSubIfd), with its table applied; "" when missing.
std::string ExifTagOf(std::string_view segment, int directory, int tag);

// Shooting information of `path`, read only from files whose extension is
// ".jpg" or ".jpeg" (any case) and that exist, else "". The lines joined
// with CR LF, trailing white space removed; without `withKeys` each line
// loses its key and "=". kNoExifText when there is no block or no line.
// Thread-safe.
std::string ExifSummary(const std::string& path, bool withKeys);

// ExifTagOf for the file `path` (".jpg" and ".jpeg" only); "" otherwise.
std::string ExifTag(const std::string& path, int directory, int tag);

// The shooting date of `path` as "YYYY/MM/DD" (with `withTime` followed by
// " HH:MM:SS") from DateTimeOriginal, stored as "YYYY:MM:DD HH:MM:SS"; ""
// when missing or not a valid date (and time). Never fails.
std::string ExifDate(const std::string& path, bool withTime);

// The date text of a DateTimeOriginal value, as ExifDate describes.
std::string ExifDateFromText(std::string_view stored, bool withTime);

}  // namespace lumidex
