#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/holiday_edit_list.h"
#include "foundation/data_folders.h"
#include "foundation/file_store.h"
#include "foundation/status.h"

namespace lumidex {

// The year of a per-year holiday file name: exactly four digits + ".txt";
// nullopt for any other name.
std::optional<int> YearOfHolidayFileName(std::string_view name);

// The bytes a holiday file is written with: every line followed by CR LF, in
// cp932. When some line has a character cp932 cannot hold (a hand-edited
// UTF-8 file), UTF-8 with the byte-order mark instead, so that nothing is
// lost; the holiday file loader reads both.
std::string EncodeHolidayFile(const std::vector<std::string>& lines);

// One editing session of holiday files: the file under edit (`editedPath`),
// its lines in a HolidayEditList, whether they have unsaved changes, whether
// any file changed on disk (the calendar must reload), the copy buffer, and
// the per-year files of the holiday folder. Not thread-safe.
class HolidayEditor {
 public:
  // `folders` and `store` must outlive the editor.
  HolidayEditor(const DataFolders& folders, FileStore& store);
  HolidayEditor(const HolidayEditor&) = delete;
  HolidayEditor& operator=(const HolidayEditor&) = delete;

  // Makes `path` the file under edit and lists its non-empty lines (none
  // when the file does not exist yet; an apply creates it). Unsaved changes
  // of the previous file are dropped: ask first. Error with the store's
  // message when the file exists but cannot be read; then the editor stays
  // on the file it had.
  Status Open(const std::string& path);
  // Open() of dataDir + "NationalHoliday.txt".
  Status OpenGeneralFile();
  // Open() of holidayDir + `name`; Error for a name that is not a per-year
  // file name.
  Status OpenYearFile(std::string_view name);

  const std::string& editedPath() const { return editedPath_; }
  // The year of the file under edit when it is a per-year file.
  std::optional<int> editedYear() const;
  // The caption of the list: year + "年の祝日ファイル", or "汎用の祝日ファイル".
  std::string FileCaption() const;

  HolidayEditList& list() { return list_; }
  const HolidayEditList& list() const { return list_; }

  // Unsaved changes ("適用" enabled).
  bool modified() const { return modified_; }
  void MarkModified() { modified_ = true; }
  // Drops the unsaved changes: lists the file again.
  Status Revert();
  // A file changed on disk during the session (an apply or a deleted
  // per-year file): the calendar must reload its holidays.
  bool changed() const { return changed_; }

  // Writes the list to the file under edit atomically (EncodeHolidayFile).
  // On success the list has no unsaved changes and changed() is true. On
  // failure the file keeps its old content, the changes stay unsaved and
  // the store's message is returned.
  Status Apply();

  // The copy buffer: Copy keeps the list's text; Paste replaces the list
  // with it and marks the list modified. False when the buffer is empty.
  void Copy();
  bool CanPaste() const { return !copyBuffer_.empty(); }
  bool Paste();

  // Names of the per-year files of the holiday folder ("dddd.txt", regular
  // files only), sorted.
  std::vector<std::string> YearFileNames() const;
  // True when `yearText` is four digits and the holiday folder has no file
  // of that year.
  bool CanCreateYearFile(std::string_view yearText) const;
  // Creates the empty per-year file of `yearText` (and the holiday folder
  // when missing), never replacing an existing file. Returns its name, or
  // Error "ファイル %s を作成できません".
  Result<std::string> CreateYearFile(std::string_view yearText);
  // Deletes the per-year file `name`; changed() becomes true. Error
  // "ファイル %s を削除できません" when it cannot be deleted (it stays),
  // or for a name that is not a per-year file name.
  Status DeleteYearFile(std::string_view name);

 private:
  const DataFolders& folders_;
  FileStore& store_;
  std::string editedPath_;
  HolidayEditList list_;
  std::string copyBuffer_;
  bool modified_ = false;
  bool changed_ = false;
};

}  // namespace lumidex
