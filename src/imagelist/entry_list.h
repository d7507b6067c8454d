#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "imagelist/alb_data.h"

namespace lumidex {

// What the image list shows.
enum class ListMode {
  kPageList,   // the page index lines of the shown year ("mm/dd=cover")
  kContainer,  // the raw lines of the open page or sub-album section
  kFolder,     // one "path=" line per file found below a chosen folder
};

// The backing list of the image list: one text line per item in display
// order, each with an optional owned ALBDATA record (never used in page-list
// mode). The number of items is always the number of lines. Edits keep every
// record with its line. Not thread-safe; main thread only.
class EntryList {
 public:
  EntryList() = default;
  EntryList(const EntryList&) = delete;
  EntryList& operator=(const EntryList&) = delete;

  ListMode mode() const { return mode_; }
  int size() const { return static_cast<int>(lines_.size()); }
  bool empty() const { return lines_.empty(); }
  const std::vector<std::string>& lines() const { return lines_; }

  // REQUIRES for the index accessors: 0 <= index < size().
  const std::string& line(int index) const { return lines_[index]; }
  // The text before the first "=", or the whole line when it has none.
  std::string_view NameAt(int index) const;
  // The text after the first "=", "" when there is none.
  std::string_view ValueAt(int index) const;
  ALBDATA* record(int index) { return records_[index].get(); }
  const ALBDATA* record(int index) const { return records_[index].get(); }
  void SetRecord(int index, std::unique_ptr<ALBDATA> record);

  // Replaces every line (and drops every record) and sets the mode.
  void Fill(ListMode mode, std::vector<std::string> lines);
  // Removes every line and record; the mode is kept.
  void Clear();
  // Destroys every record, keeping the lines.
  void DropRecords();

  // Reorders the items: new item i is old item order[i].
  // REQUIRES: order is a permutation of 0 .. size()-1.
  void Permute(const std::vector<int>& order);
  // Removes one item with its record.
  void Erase(int index);
  // Inserts a line without record before `index` (size() appends).
  void Insert(int index, std::string line);
  // Takes `lines` as the new content (the same mode) after an edit made
  // elsewhere (the album store's lines): each record stays with the first
  // unclaimed new line of the same name, so moved and re-commented entries
  // keep their thumbnails, renamed and new ones get none, deleted ones lose
  // theirs.
  void Reconcile(std::vector<std::string> lines);
  // Replaces the text of a line. With `keepRecord` the record stays (a new
  // comment), otherwise it is dropped so that it is made again (a new file).
  void Replace(int index, std::string line, bool keepRecord);

 private:
  ListMode mode_ = ListMode::kPageList;
  std::vector<std::string> lines_;
  std::vector<std::unique_ptr<ALBDATA>> records_;
};

}  // namespace lumidex
