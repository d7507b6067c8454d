#include "imagelist/list_selection.h"

#include "foundation/file_types.h"
#include "foundation/text_compare.h"

namespace lumidex {
namespace {

bool IsSubAlbumEntry(const EntryList& entries, int index) {
  const std::string_view name = entries.NameAt(index);
  return !name.empty() && name.front() == '@';
}

bool NameMatches(std::string_view name, std::string_view text, bool partial) {
  if (partial) return name.size() >= text.size() && EqualsNoCase(name.substr(0, text.size()), text);
  return EqualsNoCase(name, text);
}

}  // namespace

bool IsMissingFile(const EntryList& entries, int index) {
  if (IsSubAlbumEntry(entries, index)) return false;
  const ALBDATA* record = entries.record(index);
  return record != nullptr && record->exists == 0;
}

ClickedKind KindOfItem(const EntryList& entries, int index) {
  ClickedKind kind;
  kind.subAlbum = IsSubAlbumEntry(entries, index);
  kind.extension = IsMissingFile(entries, index) ? std::string(kMissingFileKind)
                                                 : ExtensionOf(entries.NameAt(index));
  return kind;
}

std::vector<int> SelectGroup(const EntryList& entries, const ClickedKind& last, bool sameKind,
                             const std::function<bool(int index)>& isMissing) {
  auto missing = [&](int index) {
    if (IsSubAlbumEntry(entries, index)) return false;
    return isMissing ? isMissing(index) : IsMissingFile(entries, index);
  };
  std::vector<int> selection;
  for (int index = 0; index < entries.size(); ++index) {
    bool take;
    if (sameKind && last.extension == kMissingFileKind) {
      take = missing(index);
    } else if (sameKind) {
      take = !missing(index) &&
             IsSubAlbumEntry(entries, index) == last.subAlbum &&
             ExtensionOf(entries.NameAt(index)) == last.extension;
    } else {
      take = IsSubAlbumEntry(entries, index) == last.subAlbum;
    }
    if (take) selection.push_back(index);
  }
  return selection;
}

int FindItemByName(const EntryList& entries, std::string_view text, int start, bool wrap,
                   bool partial) {
  if (start < 0) start = 0;
  for (int index = start; index < entries.size(); ++index) {
    if (NameMatches(entries.NameAt(index), text, partial)) return index;
  }
  if (wrap && start != 0) {
    for (int index = 0; index < start && index < entries.size(); ++index) {
      if (NameMatches(entries.NameAt(index), text, partial)) return index;
    }
  }
  return -1;
}

}  // namespace lumidex
