// fuzz-libs: lumidex_foundation
// Any bytes load as an INI document; saving them and loading again gives the
// same document text, and nothing crashes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "foundation/ini_line.h"
#include "foundation/mem_ini_file.h"
#include "foundation/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumidex;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  TMemIniFile doc("/nonexistent/fuzz.ini");
  doc.ReplaceAll(SplitLines(DecodeAlbumFile(bytes)));
  const std::string text = doc.ToText();
  TMemIniFile again("/nonexistent/fuzz.ini");
  again.ReplaceAll(SplitLines(DecodeAlbumFile(EncodeAlbumFile(text))));
  if (again.ToText() != text) std::abort();
  for (const auto& name : doc.SectionNames()) {
    (void)doc.HasSection(name);
    for (const auto& key : doc.KeyNames(name)) (void)doc.GetValue(name, key, "");
  }
  return 0;
}
