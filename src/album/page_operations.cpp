#include "album/page_operations.h"

#include <algorithm>

#include "album/album_path.h"
#include "album/album_prompts.h"
#include "album/album_store.h"
#include "album/album_text.h"
#include "foundation/file_paths.h"
#include "album/short_path_text.h"
#include "album/sub_album_names.h"
#include "foundation/ini_line.h"
#include "foundation/text_compare.h"

namespace lumidex {
namespace {

constexpr std::string_view kDataSection = "DATA";

// Every full-width "（" of a sub-album name becomes "("; "）" stays.
std::string NormalizeSubAlbumName(std::string_view name) {
  constexpr std::string_view kFullWidthOpen = "\xEF\xBC\x88";  // U+FF08
  std::string out(name);
  for (size_t at = out.find(kFullWidthOpen); at != std::string::npos;
       at = out.find(kFullWidthOpen, at + 1)) {
    out.replace(at, kFullWidthOpen.size(), "(");
  }
  return out;
}

bool HasEntryNamed(const std::vector<std::string>& lines, std::string_view name) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return EqualsNoCase(EntryNameOf(line), name); });
}

}  // namespace

Status PageOperations::CreatePage(std::string_view page) {
  TMemIniFile& index = store_.pageIndex();
  if (index.HasKey(kDataSection, page)) return Status::Ok();
  index.SetValue(kDataSection, page, ".alb");
  if (Status s = store_.SavePageIndex(); !s.ok()) {
    index.DropKey(kDataSection, page);
    return s;
  }
  if (!store_.PageOpen()) store_.MutableLines().push_back(std::string(page) + "=.alb");
  return Status::Ok();
}

Status PageOperations::CreateSubAlbum(std::string_view page) {
  if (!store_.HasYear() || store_.SubAlbumOpen()) return Status::Ok();
  if (!store_.pageIndex().HasKey(kDataSection, page)) return Status::Ok();
  const auto typed = prompts_.AskName(
      {"サブアルバムの作成", "サブアルバムの名前を入力", "", SubAlbumNameChoices(store_)});
  if (!typed || typed->empty()) return Status::Ok();
  const std::string name = NormalizeSubAlbumName(*typed);
  if (name.find('=') != std::string::npos) {
    prompts_.Inform(std::string(kNameWithEqualsMessage));
    return Status::Ok();
  }
  if (HasControlCharacter(name)) {
    prompts_.Inform(std::string(kNameWithControlCharacterMessage));
    return Status::Ok();
  }
  const std::string key = "@" + std::string(page) + name;
  const bool pageIsOpen = store_.PageOpen() && EqualsNoCase(store_.openPage(), page);
  if (store_.yearDocument().HasKey(page, key) || (pageIsOpen && HasEntryNamed(store_.Lines(), key))) {
    prompts_.Inform("'" + name + "' このアルバムは既に存在します。");
    return Status::Ok();
  }
  store_.ChangeYearDocument([&](TMemIniFile& doc) { doc.SetValue(page, key, ""); });
  const Status saved = store_.SaveYearDocument();
  ++store_.EnsureSummary(page).subAlbumCount;
  if (pageIsOpen) {
    store_.MutableLines().push_back(key + "=");
  } else {
    store_.RefreshPageList();
  }
  store_.MarkModified();
  return saved;
}

Status PageOperations::OpenEntry(size_t index, OpenHow how) {
  const std::vector<std::string>& lines = store_.Lines();
  if (index >= lines.size()) return Status::Ok();
  const std::string line = lines[index];
  if (!store_.PageOpen()) {
    if (!IsPageLine(line)) return Status::Ok();
    const std::string page = line.substr(0, 5);
    if (store_.IsPageLocked(store_.loadedYear(), page)) return Status::Ok();
    const std::string_view value = ValueOf(line);
    if (value.find(".alb") == std::string_view::npos) {
      prompts_.OpenWithSystem(std::string(value));
      return Status::Ok();
    }
    if (Status s = store_.OpenPage(page); !s.ok()) return s;
    prompts_.PlayStartSound();
    return Status::Ok();
  }
  const std::string name(EntryNameOf(line));
  if (IsSubAlbumEntry(name) && !store_.SubAlbumOpen()) {
    if (Status s = store_.OpenSubAlbum(name.substr(1)); !s.ok()) return s;
    prompts_.PlayStartSound();
    return Status::Ok();
  }
  if (how == OpenHow::kDoubleClick) {
    prompts_.OpenWithSystem(name);
    return Status::Ok();
  }
  std::string folder(FolderPartOf(name));
  if (folder.size() > 1) folder.pop_back();  // keep "/" itself
  if (FolderExists(folder)) {
    prompts_.ExploreFolder(folder);
  } else {
    prompts_.Inform(ShortPathText(folder, true) + "\n保存先フォルダが不明です。");
  }
  return Status::Ok();
}

Status PageOperations::ApplyChanges() {
  if (Status s = store_.SaveCurrent(false); !s.ok()) return s;
  store_.RequestRecount();
  return Status::Ok();
}

void PageOperations::RevertChanges() { store_.ReloadLines(); }

void PageOperations::SetComment(const std::vector<size_t>& selection, std::string_view text) {
  if (!store_.PageOpen() || selection.empty()) return;
  const std::string comment = StoredComment(text);
  std::vector<std::string> lines = store_.Lines();
  for (size_t i : selection) {
    if (i < lines.size()) lines[i] = std::string(EntryNameOf(lines[i])) + "=" + comment;
  }
  store_.SetLines(std::move(lines));
}

}  // namespace lumidex
