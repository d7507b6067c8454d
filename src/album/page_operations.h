#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foundation/status.h"

namespace lumidex {

class AlbumStore;
class AlbumPrompts;

// The user's operations on pages and sub-albums: create, open, comment,
// rename and delete, and keeping or dropping the edits of the open
// container. They work on the AlbumStore and its current lines; `selection`
// arguments are indexes into AlbumStore::Lines(). Questions, messages and
// hand-offs to the desktop go through AlbumPrompts. Every operation returns
// the error of a save that failed (the change then stays in memory, marked
// modified); a refusal is shown through AlbumPrompts::Inform and returns Ok.
// Main thread only; holds references to both collaborators, which must
// outlive it.
class PageOperations {
 public:
  PageOperations(AlbumStore& store, AlbumPrompts& prompts) : store_(store), prompts_(prompts) {}
  PageOperations(const PageOperations&) = delete;
  PageOperations& operator=(const PageOperations&) = delete;

  // Adds `page` ("mm/dd") to the page index with the value ".alb" and saves
  // the index at once; nothing when it exists.
  Status CreatePage(std::string_view page);

  // Asks for a name and adds the sub-album entry "@" + page + name to the
  // page, saving the year document at once. Only while no sub-album is open
  // and for a page of the page index.
  Status CreateSubAlbum(std::string_view page);

  enum class OpenHow { kDoubleClick, kMenu };
  // Opens the line `index`: a page of the page list (unless locked in the
  // shown year; a page whose cover is a file path opens that file), a
  // sub-album of the open page, or a file entry (double click: with the
  // system; menu: its folder).
  Status OpenEntry(size_t index, OpenHow how);

  // Saves the open container; summaries are recounted at the next GoBack.
  Status ApplyChanges();
  // Drops the unsaved edits of the list.
  void RevertChanges();

  // Sets the comment `text` (line breaks of any form) on the selected entries.
  void SetComment(const std::vector<size_t>& selection, std::string_view text);

  // Asks for a new name and renames the selected entries: files on disk
  // (never replacing a file) and sub-albums in the documents.
  Status RenameEntries(const std::vector<size_t>& selection);

  // Renames the sub-album entry `lines[index]` of page `page` to `name`
  // (a number "-001", "-002", … is added while another entry of `lines` has
  // that name): its "@" line in `lines` and in the year document, and its
  // section in the sub-album document. Nothing is saved. False when the
  // name did not change.
  bool RenameSubAlbumEntry(std::vector<std::string>& lines, size_t index, std::string_view page,
                           const std::string& name);

  // Asks, then deletes the selected entries of the open container, or the
  // selected pages of the page list.
  Status DeleteEntries(const std::vector<size_t>& selection);

  // Asks, then deletes `page` of the shown year from the calendar.
  Status DeleteCalendarPage(std::string_view page);

 private:
  Status DeleteContainerEntries(std::vector<size_t> selection);
  Status DeletePages(const std::vector<size_t>& selection);
  // Deletes `pages` of the shown year: content (saved first), then page-index
  // keys no other year needs, and locks. When the content cannot be saved,
  // the index and the locks stay as they were and the error is returned.
  Status ErasePages(const std::vector<std::string>& pages);
  bool RenameFileEntry(std::vector<std::string>& lines, size_t index, const std::string& base,
                       const std::string& extension);

  AlbumStore& store_;
  AlbumPrompts& prompts_;
};

// The message that refuses `typed` as a new name of entries, or "" when it
// can be used: "=" splits a line, control characters break the document,
// and for files a separator would move the file to another folder.
std::string_view NewEntryNameProblem(std::string_view typed, bool forFiles);

// Shown when a name for the album contains "=", which would split its line.
inline constexpr std::string_view kNameWithEqualsMessage = "名前に '=' は使えません。";
// Shown when a name for the album contains a control character (see
// HasControlCharacter).
inline constexpr std::string_view kNameWithControlCharacterMessage = "名前に制御文字は使えません。";
// Shown when a new file name contains a folder separator.
inline constexpr std::string_view kNameWithSeparatorMessage = "名前に '/' や '\\' は使えません。";

}  // namespace lumidex
