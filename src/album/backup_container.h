#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foundation/status.h"

namespace lumidex {

// The container files of an album backup. Byte layout, no padding, integers
// 32-bit unsigned little-endian:
//
//   mark             "photo1" (6 bytes) or "fav" (3 bytes), no terminator
//   unnamed record   N, then N bytes: a whole file as stored on disk
//   named record     L, then L bytes of the bare file name, then N, then
//                    N bytes: the file's content
//
// Records follow each other up to the end of the file; there is no count
// and no end mark. Which records come first depends on the kind:
//
//   kAlbum        ".alb", "photo1": two unnamed records (the page index,
//                 then the lock list; N = 0 stands for a file that was
//                 missing), then the year and sub-album documents
//   kFreeLayout   ".fre", "photo1": the free layout documents
//   kFavourites   ".fav", "fav": the favourites documents
//
// Record names are bare document names (IsBackupDocumentName), so a record
// can only ever name a file directly inside the folder it is written to.
enum class BackupKind { kAlbum, kFreeLayout, kFavourites };

struct BackupRecord {
  std::string name;
  std::string content;

  bool operator==(const BackupRecord&) const = default;
};

// The records of one container file. For kAlbum `unnamed` holds exactly two
// records; for the other kinds none.
struct BackupContainer {
  std::vector<std::string> unnamed;
  std::vector<BackupRecord> named;

  bool operator==(const BackupContainer&) const = default;
};

// No record is longer than this: the album reads no document past this size,
// so a longer one could not have come from an album and could not be used.
inline constexpr unsigned long long kMaxBackupRecordBytes = 256ull << 20;

// True for the names of the documents a backup carries: four ASCII digits
// reading as a number above 1000, then printable ASCII or UTF-8 bytes
// without "/", "\" or control characters, ending in ".ini" (any letter
// case): "2024.ini", "2024S.ini", "2024A.ini". At most 255 bytes. A name
// that passes can be joined to a folder without leaving it.
bool IsBackupDocumentName(std::string_view name);

// Parses the whole of `bytes` as a container of `kind`. Nothing is taken
// from a container that is wrong anywhere: Error naming `fileName` when the
// mark is not the kind's ("... はアルバムデータではありません"), when a
// length field or record runs past the end, when a record is longer than
// kMaxBackupRecordBytes, when a name is not a backup document name, or when
// a name comes twice.
Result<BackupContainer> ReadBackupContainer(std::string_view bytes, BackupKind kind,
                                            std::string_view fileName);

// The bytes of `container` as a file of `kind`, which ReadBackupContainer
// reads back equal. Error when a record name is not a backup document name,
// a record is longer than kMaxBackupRecordBytes, or kAlbum does not have
// exactly two unnamed records (other kinds none).
Result<std::string> WriteBackupContainer(const BackupContainer& container, BackupKind kind);

}  // namespace lumidex
