#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foundation/long_operation.h"
#include "foundation/status.h"

namespace lumidex {

// Registration date to file date: every file registered on a page takes its
// page's date ("yyyy/mm/dd" of the year document's year and the page) as its
// last-write time, keeping its own time of day; files of a sub-album take
// the date of the page that holds it. The album's documents are only read.
// File times are read with stat and written with utimensat: a file is never
// opened, its access time and permission bits (read-only included) stay.

// The file time text of `path`: local time "yyyy/MM/dd HH:mm", with
// `withSeconds` followed by ":ss"; the creation (birth) time when `creation`
// and the file system keeps one, else the last-write time. "" when the file
// cannot be examined.
std::string FileTimeText(const std::string& path, bool creation, bool withSeconds);

// Sets the last-write time of `path` from "yyyy/mm/dd" optionally followed
// by " HH:mm:ss", taken as local time. False for a text that is no real date
// and time or a file whose time cannot be set.
bool WriteLastWriteTime(const std::string& path, std::string_view text);

// Gives `path` the date `date` ("yyyy/mm/dd") with its own time of day (to
// the nanosecond). Returns the date and time written ("yyyy/mm/dd HH:mm:ss"),
// or "" when the file cannot be examined or changed, or `date` is no day of
// the calendar (02/29 of a year without it).
std::string SetFileDate(const std::string& path, std::string_view date);

// One file of a run and the date it takes.
struct FileDateTarget {
  std::string path;
  std::string date;
};

// The files of the page `date` ("yyyy/mm/dd"): its file entries and the
// entries of its sub-albums, in document order, from the year document and
// sub-album document in `photoDir`, opened afresh. Error when a document
// exists but cannot be read.
Result<std::vector<FileDateTarget>> PageFileDateTargets(const std::string& photoDir,
                                                        std::string_view date);
// Every page of the year document of `year` ("yyyy"), in document order.
Result<std::vector<FileDateTarget>> YearFileDateTargets(const std::string& photoDir,
                                                        std::string_view year);

struct FileDateReport {
  int count = 0;    // files of the run (the progress maximum)
  int changed = 0;  // files that took their date
  int skipped = 0;  // files that are gone, cannot be changed, or whose page date is no day
  bool stopped = false;
  std::vector<std::string> written;  // per changed file: path TAB time written
};

// Sets the date of every target with `progress` (Step per file; "中止"
// stops after the file being handled). With `withSeconds` the written texts
// keep their seconds, else end at the minutes.
FileDateReport SetFileDates(const std::vector<FileDateTarget>& targets, bool withSeconds,
                            LongOperation& progress);

// The question of the calendar's and list's command, caption "更新日の変更":
// `prefix` (a date followed by "に", a year and "年に", or "") +
// "登録しているファイルの更新日に登録日を設定します。よろしいですか？".
std::string FileDateQuestion(std::string_view prefix);
inline constexpr std::string_view kFileDateCaption = "更新日の変更";

}  // namespace lumidex
