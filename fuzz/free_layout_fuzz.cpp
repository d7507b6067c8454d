// fuzz-libs: lumidex_freelayout
// Any bytes, read as the lines of a free layout page (cp932, or UTF-8 after a
// byte-order mark): every line goes through the item key and TextSpec codecs
// and the earlier-layout conversion, and the page through the tab strip,
// LoadTab, ReplaceTabItems and RenumberTabLines. Nothing crashes; a parsed
// key or TextSpec built again reads back the same; saving a tab's loaded
// items keeps every line it did not load and loads the same items again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "foundation/ini_line.h"
#include "foundation/text_codec.h"
#include "freelayout/earlier_layout.h"
#include "freelayout/free_layout_key.h"
#include "freelayout/free_layout_tab.h"
#include "freelayout/text_spec.h"

namespace {

using namespace lumidex;

bool SamePlacement(const FreeLayoutItem& a, const FreeLayoutItem& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height &&
         a.Flags() == b.Flags() && a.rotation == b.rotation;
}

void CheckLine(const std::string& line) {
  Result<FreeLayoutItem> item = ParseItemLine(line);
  if (item.ok()) {
    const std::string key = BuildItemKey(item.value(), item.value().tab, item.value().reserved);
    if (key.size() != kItemKeyLength) std::abort();
    Result<FreeLayoutItem> again = ParseItemLine(key + "=");
    if (!again.ok() || !SamePlacement(again.value(), item.value())) std::abort();
  }
  Result<TextSpec> textSpec = ParseTextSpec(ValueOf(line));
  if (textSpec.ok()) {
    Result<TextSpec> again = ParseTextSpec(FormatTextSpec(textSpec.value()));
    if (!again.ok() || !(again.value() == textSpec.value())) std::abort();
  }
  (void)ConvertEarlierLine(line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int tab = data[0] % 4;
  const std::vector<std::string> lines =
      SplitLines(DecodeAlbumFile(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1)));
  for (const auto& line : lines) CheckLine(line);

  (void)BuildTabStrip(lines);
  if (RenumberTabLines(lines).size() != lines.size()) std::abort();
  const TabLoad load = LoadTab(lines, tab);
  Result<std::vector<std::string>> saved = ReplaceTabItems(lines, tab, load.items);
  if (!saved.ok() || saved.value().size() != lines.size()) std::abort();
  const TabLoad reloaded = LoadTab(saved.value(), tab);
  if (reloaded.items.size() != load.items.size() || reloaded.problems != load.problems) std::abort();
  for (size_t i = 0; i < load.items.size(); ++i) {
    if (!SamePlacement(reloaded.items[i], load.items[i])) std::abort();
  }
  return 0;
}
