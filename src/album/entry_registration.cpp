#include "album/entry_registration.h"

#include <algorithm>

#include "album/album_store.h"
#include "album/album_text.h"
#include "album/entry_merge.h"
#include "album/entry_moves.h"
#include "foundation/file_paths.h"
#include "album/registrable_file.h"
#include "album/registration_prompts.h"
#include "foundation/message_format.h"
#include "foundation/text_compare.h"

namespace lumidex {
namespace {

// Batches up to this size are added line by line in their order; larger
// ones are merged with one sort and one write.
constexpr size_t kLineByLineLimit = 100;

void Append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
  to.insert(to.end(), lines.begin(), lines.end());
}

}  // namespace

std::string UnstorablePathsMessage(int count) {
  return FormatMessage(
      "名前に '=' や改行を含むファイル、文字コードが正しくない名前のファイルは登録できません。（%s "
      "個）",
      {std::to_string(count)});
}

void RecountPage(AlbumStore& store, std::string_view page) {
  store.DropSummary(page);
  store.RefreshSummary(page);
}

EntryRegistration::EntryRegistration(AlbumStore& store, FileTypeLists& types,
                                     RegistrationPrompts& prompts, FolderSearch searchFolder)
    : store_(store), types_(types), prompts_(prompts), searchFolder_(std::move(searchFolder)) {}

Status EntryRegistration::Collect(const std::string& line, IncomingKind kind, std::string_view page,
                                  bool allowSubAlbums, EntryNameSet& names,
                                  RegistrabilityCheck& check, Collected& out) {
  if (kind == IncomingKind::kAlbumInfo && IsSubAlbumEntry(line)) {
    if (!allowSubAlbums) return Status::Ok();
    const auto info = ParseSubAlbumInfo(line);
    if (!info) {
      ++out.tally.rejected;
      return Status::Ok();
    }
    Result<CopiedSubAlbum> copied = CopySubAlbum(*info, page);
    if (!copied.ok()) return copied.status();
    out.cutConsumed |= cutPending_;
    if (names.Insert(copied.value().entryName)) {
      out.ordered.push_back(copied.value().entryName + "=" + info->comment);
      ++out.tally.subAlbums;
      out.tally.subAlbumFiles += copied.value().lineCount;
    }
    return Status::Ok();
  }
  if (kind == IncomingKind::kAlbumInfo && line.find('=') != std::string::npos) {
    const std::string name(EntryNameOf(line));
    if (!CanStoreAsKey(name)) {
      ++out.tally.unstorable;
    } else if (names.Insert(name)) {
      out.ordered.push_back(line);
      ++out.tally.files;
    }
    return Status::Ok();
  }
  if (!CanStoreAsKey(line)) {
    ++out.tally.unstorable;
    return Status::Ok();
  }
  if (FolderExists(line)) {
    Result<std::vector<std::string>> found = searchFolder_(line);
    if (!found.ok()) return found.status();
    for (const auto& path : found.value()) {
      if (CanStoreAsKey(path)) {
        out.folderFiles.push_back(path + "=");
      } else {
        ++out.tally.unstorable;
      }
    }
    return Status::Ok();
  }
  if (check.IsRegistrable(line) && names.Insert(line)) {
    out.ordered.push_back(line + "=");
    ++out.tally.files;
  }
  return Status::Ok();
}

void EntryRegistration::Finish(const Collected& collected, std::string_view page) {
  if (collected.cutConsumed) {
    // The cut sub-albums now live at their new place; pasting them again
    // would find their source gone and make empty sub-albums.
    cutPending_ = false;
    store_.RecountSummaries(true);
  }
  RecountPage(store_, page);
  if (collected.tally.unstorable > 0) {
    prompts_.Inform(UnstorablePathsMessage(collected.tally.unstorable));
  }
}

Result<RegistrationTally> EntryRegistration::AddToContainer(const std::vector<std::string>& lines,
                                                            IncomingKind kind) {
  if (!store_.PageOpen()) return Status::Error("ページが開かれていません。");
  std::vector<std::string> result = store_.Lines();
  EntryNameSet names(result);
  RegistrabilityCheck check(types_, prompts_);
  Collected collected;
  for (const auto& line : lines) {
    Status s =
        Collect(line, kind, store_.openPage(), !store_.SubAlbumOpen(), names, check, collected);
    if (!s.ok()) return s;
  }
  const size_t before = result.size();
  Append(result, collected.ordered);
  if (!collected.folderFiles.empty()) {
    MergedLines merged = MergeSorted(result, collected.folderFiles);
    collected.tally.files += merged.added;
    result = std::move(merged.lines);
  } else if (lines.size() > kLineByLineLimit) {
    std::stable_sort(result.begin(), result.end(), TextLess());
  }
  if (collected.tally.added() > 0 || result.size() != before || collected.cutConsumed) {
    store_.SetLines(std::move(result));
    if (Status s = store_.SaveCurrent(false); !s.ok()) return s;
    store_.MarkModified();
  }
  Finish(collected, store_.openPage());
  return collected.tally;
}

Result<RegistrationTally> EntryRegistration::AddToPage(std::string_view page,
                                                       const std::vector<std::string>& lines,
                                                       IncomingKind kind) {
  if (!IsPageKey(page)) return Status::Error("ページの日付が正しくありません。");
  if (store_.PageOpen()) return Status::Error("ページが開かれています。");
  if (!store_.HasYear()) return Status::Error("年が読み込まれていません。");
  const std::vector<std::string> existing = store_.yearDocument().SectionLines(page);
  EntryNameSet names(existing);
  RegistrabilityCheck check(types_, prompts_);
  Collected collected;
  for (const auto& line : lines) {
    Status s = Collect(line, kind, page, true, names, check, collected);
    if (!s.ok()) return s;
  }
  std::vector<std::string> additions = collected.ordered;
  Append(additions, collected.folderFiles);
  MergedLines merged = MergeSorted(existing, additions);
  collected.tally.files = merged.added - collected.tally.subAlbums;
  if (merged.lines != existing) {
    // The entries are written before the page's index key: a crash between
    // the two saves leaves entries whose key the next start restores, never
    // a key whose entries were lost.
    Result<bool> saved = store_.SaveSection(page, std::move(merged.lines), true);
    if (!saved.ok()) return saved.status();
    if (!store_.pageIndex().HasKey("DATA", page)) {
      store_.pageIndex().SetValue("DATA", page, ".alb");
      if (Status s = store_.SavePageIndex(); !s.ok()) return s;
    }
  }
  // Sub-albums copied in went to the sub-album document.
  if (Status s = store_.SaveCurrent(false); !s.ok()) return s;
  Finish(collected, page);
  store_.RefreshPageList();
  return collected.tally;
}

Result<std::vector<size_t>> EntryRegistration::InsertEntries(size_t before,
                                                             const std::vector<std::string>& lines,
                                                             IncomingKind kind) {
  if (!store_.PageOpen()) return Status::Error("ページが開かれていません。");
  std::vector<std::string> current = store_.Lines();
  EntryNameSet names(current);
  RegistrabilityCheck check(types_, prompts_);
  size_t at = std::min(before, current.size());
  std::vector<size_t> inserted;
  bool cutConsumed = false;
  int unstorable = 0;
  for (const auto& line : lines) {
    std::string entry;
    if (kind == IncomingKind::kAlbumInfo && IsSubAlbumEntry(line)) {
      if (store_.SubAlbumOpen()) continue;
      const auto info = ParseSubAlbumInfo(line);
      if (!info) continue;
      Result<CopiedSubAlbum> copied = CopySubAlbum(*info, store_.openPage());
      if (!copied.ok()) return copied.status();
      cutConsumed |= cutPending_;
      entry = copied.value().entryName + "=" + info->comment;
    } else {
      const std::string path(kind == IncomingKind::kAlbumInfo ? EntryNameOf(line) : line);
      if (!CanStoreAsKey(path)) {
        ++unstorable;
        continue;
      }
      if (!check.IsRegistrable(path)) continue;
      entry = kind == IncomingKind::kAlbumInfo && line.find('=') != std::string::npos ? line
                                                                                      : path + "=";
    }
    if (!names.Insert(std::string(EntryNameOf(entry)))) continue;
    current.insert(current.begin() + static_cast<long>(at), entry);
    inserted.push_back(at++);
  }
  if (!inserted.empty() || cutConsumed) store_.SetLines(std::move(current));
  cutPending_ = false;
  if (cutConsumed) store_.RecountSummaries(true);
  if (unstorable > 0) prompts_.Inform(UnstorablePathsMessage(unstorable));
  return inserted;
}

std::vector<std::string> EntryRegistration::CutEntries(const std::vector<size_t>& selection) {
  if (!store_.PageOpen()) return {};
  std::vector<std::string> lines = store_.Lines();
  std::vector<std::string> cut = CutLines(lines, selection, store_.loadedYear());
  if (cut.empty()) return cut;
  store_.SetLines(std::move(lines));
  cutPending_ = true;
  return cut;
}

Result<EntryRegistration::CopiedSubAlbum> EntryRegistration::CopySubAlbum(const SubAlbumInfo& info,
                                                                          std::string_view page) {
  const std::string newSection = std::string(page) + std::string(SubAlbumNameOf(info.section));
  std::vector<std::string> lines;
  if (info.year == store_.loadedYear()) {
    // The shown year's document in memory holds edits not yet saved, and it
    // is the one that will be saved: take the lines from it and cut there.
    if (const auto* section = store_.subAlbumDocument().FindSection(info.section)) lines = *section;
    if (cutPending_ && !lines.empty()) {
      store_.ChangeSubAlbumDocument([&](TMemIniFile& doc) { doc.DropSection(info.section); });
    }
  } else {
    auto opened =
        TMemIniFile::Open(store_.folders().photoDir + info.year + "S.ini", store_.fileStore());
    if (!opened.ok()) return opened.status();
    TMemIniFile& source = *opened.value();
    lines = source.SectionLines(info.section);
    if (cutPending_ && !lines.empty()) {
      source.DropSection(info.section);
      if (Status s = source.Save(); !s.ok()) return s;
    }
  }
  if (!lines.empty()) {
    store_.ChangeSubAlbumDocument([&](TMemIniFile& doc) {
      for (const auto& line : lines) {
        const std::string_view name = EntryNameOf(line);
        const std::string_view comment = EntryCommentOf(line);
        if (comment.empty() && doc.HasKey(newSection, name)) continue;
        doc.SetValue(newSection, name, comment);
      }
    });
  }
  return CopiedSubAlbum{"@" + newSection, static_cast<int>(lines.size())};
}

}  // namespace lumidex
