// fuzz-libs: lumidex_foundation
// A whole album file of any bytes (cp932, or UTF-8 after a byte-order mark)
// opens as a document through the file store, or is refused; an opened
// document finds every section and key it lists, and what it saves opens
// again to the same document text (so a save never makes a file the next
// start refuses or reads differently). The text check decides alike
// whatever pieces the file comes in.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "foundation/album_text_check.h"
#include "foundation/ini_line.h"
#include "foundation/mem_ini_file.h"

namespace {

// Files held in memory, so the fuzzer reads and writes whole files without
// touching the disk.
class MemoryFileStore : public lumidex::FileStore {
 public:
  std::map<std::string, std::string> files;

  lumidex::Result<std::string> ReadAll(const std::string& path) override {
    auto it = files.find(path);
    if (it == files.end()) return lumidex::Status::NotFound(lumidex::CannotOpenMessage(path));
    return it->second;
  }
  lumidex::Status WriteAtomic(const std::string& path, std::string_view bytes, unsigned) override {
    files[path] = std::string(bytes);
    return lumidex::Status::Ok();
  }
};

constexpr const char* kPath = "/album/photo/2014.ini";

void CheckLookups(const lumidex::TMemIniFile& doc) {
  for (const auto& section : doc.SectionNames()) {
    const std::vector<std::string>* lines = doc.FindSection(section);
    if (lines == nullptr) std::abort();
    for (const auto& line : *lines) {
      if (line.find_first_of("\r\n") != std::string::npos || line.find('\0') != std::string::npos) {
        std::abort();
      }
      if (lumidex::HasEquals(line) && !doc.HasKey(section, lumidex::NameOf(line))) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumidex;
  // The check of a file given in pieces decides as the check of the whole.
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  AlbumTextCheck pieces(AlbumTextKind::kIniDocument);
  pieces.Add(bytes.substr(0, size / 3));
  pieces.Add(bytes.substr(size / 3, size / 3));
  pieces.Add(bytes.substr(2 * (size / 3)));
  if (pieces.Result(kPath).ok() != CheckAlbumText(kPath, bytes, AlbumTextKind::kIniDocument).ok()) std::abort();
  MemoryFileStore store;
  store.files[kPath] = std::string(bytes);
  auto doc = TMemIniFile::Open(kPath, store);
  if (!doc.ok()) return 0;
  CheckLookups(*doc.value());
  const std::string text = doc.value()->ToText();
  if (!doc.value()->Save().ok()) std::abort();
  const std::string saved = store.files[kPath];
  auto again = TMemIniFile::Open(kPath, store);
  if (!again.ok() || again.value()->ToText() != text) std::abort();
  // Saving the reloaded document writes the same bytes: the encoding chosen
  // for a text does not depend on how it was read.
  if (!again.value()->Save().ok() || store.files[kPath] != saved) std::abort();
  return 0;
}
