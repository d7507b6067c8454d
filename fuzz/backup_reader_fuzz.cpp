// fuzz-libs: lumidex_album lumidex_foundation
// Any bytes read as each kind of backup container either are refused or give
// records whose names are bare document names and whose contents fit in the
// input; what was read writes back to exactly the bytes that were read.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "album/backup_container.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumidex;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (const BackupKind kind : {BackupKind::kAlbum, BackupKind::kFreeLayout, BackupKind::kFavourites}) {
    Result<BackupContainer> read = ReadBackupContainer(bytes, kind, "fuzz.alb");
    if (!read.ok()) continue;
    size_t total = 0;
    for (const auto& content : read.value().unnamed) total += content.size();
    for (const auto& record : read.value().named) {
      if (!IsBackupDocumentName(record.name)) std::abort();
      total += record.name.size() + record.content.size();
    }
    if (total > size) std::abort();
    Result<std::string> written = WriteBackupContainer(read.value(), kind);
    if (!written.ok() || written.value() != bytes) std::abort();
  }
  return 0;
}
