#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

// The files whose properties are shown together, from the files of the
// selected entries in their order: a file that does not exist (`isFile`),
// and a file whose folder differs from the folder of the first existing
// file, are dropped; exact duplicates count once.
std::vector<std::string> PropertyFiles(const std::vector<std::string>& paths,
                                       const std::function<bool(const std::string&)>& isFile);

// The Japanese caption of a file's type, by its extension (letter case
// ignored): "JPEG 画像", "PNG 画像", "ビットマップ画像", ... for the known
// types, else the upper-case extension + " ファイル" ("TXT ファイル"), and
// "ファイル" for a name without extension.
std::string FileTypeCaption(std::string_view path);

struct TypeCount {
  std::string caption;  // FileTypeCaption
  size_t count = 0;
  bool operator==(const TypeCount&) const = default;
};

// The properties of several files of one folder.
struct FileSetProperties {
  std::string folder;            // the folder of the first file
  size_t count = 0;              // number of files
  uint64_t totalBytes = 0;       // sizes summed
  size_t unreadable = 0;         // files whose size could not be read
  std::vector<TypeCount> types;  // per caption, in the order first met
};

// Sums and counts `files` (PropertyFiles' result); `sizeOf` gives a file's
// size in bytes, or a negative value when it cannot be read (the file is
// counted, its size is not).
FileSetProperties SummariseFiles(const std::vector<std::string>& files,
                                 const std::function<int64_t(const std::string&)>& sizeOf);

}  // namespace lumidex
