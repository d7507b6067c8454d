// PageOperations: deleting entries, pages of the page list and calendar pages.
#include <algorithm>

#include "album/album_prompts.h"
#include "album/album_store.h"
#include "album/album_text.h"
#include "album/delete_question.h"
#include "album/page_operations.h"
#include "foundation/text_compare.h"

namespace lumidex {
namespace {

constexpr std::string_view kDataSection = "DATA";
// Up to this many lines are deleted from the document one by one; more are
// written back as a whole section.
constexpr size_t kDeleteOneByOneLimit = 100;

// The question for deleting the selected `lines`.
DeleteQuestionText QuestionFor(const std::vector<std::string>& lines,
                               const std::vector<size_t>& selection, bool pageList) {
  if (selection.size() == 1) {
    const std::string& line = lines[selection.front()];
    if (pageList && line.find(".alb") != std::string::npos) {
      return DeleteQuestion(DeleteKind::kPage, PageDeleteTarget(line.substr(0, 5)));
    }
    const std::string_view name = EntryNameOf(line);
    if (!pageList && IsSubAlbumEntry(name)) {
      return DeleteQuestion(DeleteKind::kSubAlbum, SubAlbumDeleteTarget(SubAlbumNameOf(name.substr(1))));
    }
  }
  return DeleteQuestion(DeleteKind::kImage, EntriesDeleteTarget(selection.size()));
}

}  // namespace

Status PageOperations::DeleteEntries(const std::vector<size_t>& requested) {
  std::vector<size_t> selection;
  for (size_t i : requested) {
    if (i < store_.Lines().size()) selection.push_back(i);
  }
  std::sort(selection.begin(), selection.end());
  selection.erase(std::unique(selection.begin(), selection.end()), selection.end());
  if (selection.empty() || !store_.HasYear()) return Status::Ok();
  const DeleteQuestionText question = QuestionFor(store_.Lines(), selection, !store_.PageOpen());
  if (!prompts_.Confirm(question.message, question.caption)) return Status::Ok();
  return store_.PageOpen() ? DeleteContainerEntries(std::move(selection)) : DeletePages(selection);
}

Status PageOperations::DeleteContainerEntries(std::vector<size_t> selection) {
  std::vector<std::string> lines = store_.Lines();
  const bool inSubAlbum = store_.SubAlbumOpen();
  const bool oneByOne = selection.size() <= kDeleteOneByOneLimit;
  const std::string section = store_.currentSection();
  GRPDATA* summary = store_.FindSummary(store_.openPage());
  std::vector<std::string> droppedSubAlbums;
  for (auto it = selection.rbegin(); it != selection.rend(); ++it) {
    const std::string name(EntryNameOf(lines[*it]));
    if (IsSubAlbumEntry(name)) {
      const std::string subSection = name.substr(1);
      const auto* subLines = store_.subAlbumDocument().FindSection(subSection);
      if (summary != nullptr) {
        --summary->subAlbumCount;
        summary->subAlbumImageCount -= subLines == nullptr ? 0 : static_cast<int32_t>(subLines->size());
      }
      droppedSubAlbums.push_back(subSection);
    } else if (summary != nullptr) {
      --(inSubAlbum ? summary->subAlbumImageCount : summary->imageCount);
    }
    if (oneByOne) {
      auto dropKey = [&](TMemIniFile& doc) { doc.DropKey(section, name); };
      inSubAlbum ? store_.ChangeSubAlbumDocument(dropKey) : store_.ChangeYearDocument(dropKey);
    }
    lines.erase(lines.begin() + static_cast<long>(*it));
  }
  // The sections of deleted sub-albums go with them, however many lines went.
  if (!droppedSubAlbums.empty()) {
    store_.ChangeSubAlbumDocument([&](TMemIniFile& doc) {
      for (const auto& s : droppedSubAlbums) {
        while (doc.FindSection(s) != nullptr) doc.DropSection(s);
      }
    });
  }
  const bool emptied = lines.empty();
  Status result = Status::Ok();
  if (oneByOne) {
    auto dropIfEmpty = [&](TMemIniFile& doc) {
      if (doc.FindSection(section) != nullptr && !doc.HasSection(section)) doc.DropSection(section);
    };
    inSubAlbum ? store_.ChangeSubAlbumDocument(dropIfEmpty) : store_.ChangeYearDocument(dropIfEmpty);
    store_.SetLines(std::move(lines));
  } else {
    store_.SetLines(lines);
    Result<bool> saved = store_.SaveSection(section, std::move(lines), false);
    if (!saved.ok()) result = saved.status();
  }
  if (!inSubAlbum && emptied) store_.DropSummary(store_.openPage());
  return result;
}

Status PageOperations::DeletePages(const std::vector<size_t>& selection) {
  const std::vector<std::string>& lines = store_.Lines();
  std::vector<std::string> pages;
  for (auto it = selection.rbegin(); it != selection.rend(); ++it) {
    if (IsPageLine(lines[*it])) pages.push_back(lines[*it].substr(0, 5));
  }
  return ErasePages(pages);
}

Status PageOperations::ErasePages(const std::vector<std::string>& pages) {
  for (const auto& page : pages) {
    store_.DropSummary(page);
    if (store_.yearDocument().FindSection(page) != nullptr) store_.ErasePage(page);
  }
  store_.MarkModified();
  // The year document is written before the page index: a crash or a failed
  // write between the two leaves a page without content, never content
  // without its page. While another page is open its unsaved edits stay
  // pending; only the document is written.
  const Status contentSaved = store_.PageOpen() ? store_.SaveYearDocument() : store_.SaveCurrent(false);
  Status result = contentSaved;
  if (contentSaved.ok()) {
    for (const auto& page : pages) {
      if (!store_.PageUsedInOtherYears(page, store_.loadedYear())) {
        store_.pageIndex().DropKey(kDataSection, page);
      }
      if (Status s = store_.RemoveLockOf(page); !s.ok() && result.ok()) result = s;
    }
    if (Status s = store_.SavePageIndex(); !s.ok() && result.ok()) result = s;
  }
  store_.RefreshPageList();
  return result;
}

Status PageOperations::DeleteCalendarPage(std::string_view page) {
  if (!store_.HasYear() || !store_.pageIndex().HasKey(kDataSection, page)) return Status::Ok();
  const DeleteQuestionText question = DeleteQuestion(DeleteKind::kPage, PageDeleteTarget(page));
  if (!prompts_.Confirm(question.message, question.caption)) return Status::Ok();
  // The open page is left first, with its edits saved, so that nothing of it
  // is written back after it was deleted.
  if (store_.PageOpen() && EqualsNoCase(store_.openPage(), page)) {
    if (Status s = store_.GoBack(true); !s.ok()) return s;
  }
  return ErasePages({std::string(page)});
}

}  // namespace lumidex
