#pragma once

#include <map>
#include <string>
#include <string_view>

#include "calendar/derived_holidays.h"
#include "calendar/holiday_book.h"
#include "foundation/data_folders.h"
#include "foundation/file_store.h"

namespace lumidex {

// What a day cell shows of the holiday file: its kind and label.
struct DayEntryResult {
  DayKind kind = DayKind::kNothing;
  std::string text;
  bool operator==(const DayEntryResult&) const = default;
};

// The holidays of the calendar: the chosen holiday file, its lines, and the
// derived holidays of each year asked for (worked out once per year and
// file, see DeriveHolidays). Not thread-safe; lives on the main thread.
class HolidayCalendar {
 public:
  // `folders` and `store` must outlive this object.
  HolidayCalendar(const DataFolders& folders, FileStore& store);
  HolidayCalendar(const HolidayCalendar&) = delete;
  HolidayCalendar& operator=(const HolidayCalendar&) = delete;

  // Chooses the holiday file of `year`: holidayDir + "<yyyy>.txt" when it
  // exists (loaded anew every time), else dataDir + "NationalHoliday.txt"
  // (loaded only when it was not already the chosen file; missing gives no
  // lines). Files may be cp932 or UTF-8 (DecodeEditedFile).
  void ChooseHolidayFile(int year);

  // Reloads the chosen file, for example after the holiday editor changed
  // it; a file that is gone gives no lines.
  void Reload();

  // Replaces the lines directly (tests, the holiday editor's preview).
  void SetLines(const std::vector<std::string>& lines, std::string path = {});

  const std::string& chosenPath() const { return chosenPath_; }
  const HolidayBook& book() const { return book_; }

  // What the cell of `dateText` ("yyyy/mm/dd", only "mm/dd" is read) shows
  // when painted as a day of `year`: the first applicable holiday (kind 0,
  // its name); else the derived holiday of the day, if any (kind 0); else
  // the first event (kind 1) or note (kind 2), marker removed and cut to at
  // most `maxLength` cp932 bytes without splitting a character; else kind 9
  // and "".
  DayEntryResult DayEntry(std::string_view dateText, int year, size_t maxLength) const;

  // Number of lines that apply to the day in `year`, plus 1 when it has a
  // derived holiday; 0 before 1900.
  int EntryCount(std::string_view dateText, int year) const;

  // The day line of the date text: every applicable holiday name joined by
  // "、", then "," and the derived holiday, then every event and note name
  // joined by "、". The year is characters 1-4 (1900 when not a number).
  std::string DayText(std::string_view dateText) const;

  // The derived holiday of `md` in `year`, or "".
  std::string DerivedHoliday(MonthDay md, int year) const;

 private:
  void LoadFrom(const std::string& path);
  const std::map<long long, std::string>& DerivedOf(int year) const;

  const DataFolders& folders_;
  FileStore& store_;
  std::string chosenPath_;
  HolidayBook book_;
  // Derived holidays per year, filled on first use; cleared with new lines.
  mutable std::map<int, std::map<long long, std::string>> derived_;
};

}  // namespace lumidex
