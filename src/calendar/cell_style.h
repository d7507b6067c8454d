#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/cell_settings.h"
#include "calendar/holiday_line.h"
#include "foundation/colour.h"

namespace lumidex {

// The fixed colours of the calendar cells.
namespace cell_colours {
inline constexpr Colour kSelection = FromRgbHex(0x00509F);
inline constexpr Colour kSunday = FromRgbHex(0xFFDDDD);
inline constexpr Colour kSaturday = FromRgbHex(0xBFDFFF);
inline constexpr Colour kWeekdayShownMonth = FromRgbHex(0xFFFFAC);
inline constexpr Colour kWeekdayOtherMonth = FromRgbHex(0xFFFFFF);
inline constexpr Colour kHoliday = FromRgbHex(0xFFD9CE);
inline constexpr Colour kEvent = FromRgbHex(0xE2CCE8);
inline constexpr Colour kOther = FromRgbHex(0xFFDF7D);
inline constexpr Colour kToday = FromRgbHex(0xCBE86A);
inline constexpr Colour kOutsideLoadedYear = FromRgbHex(0xF0F0F0);
inline constexpr Colour kNumber = FromRgbHex(0x505050);
inline constexpr Colour kOtherMonthNumber = FromRgbHex(0x808080);
inline constexpr Colour kRed = FromRgbHex(0xFF0000);
inline constexpr Colour kBlue = FromRgbHex(0x0000FF);
inline constexpr Colour kEventLabel = FromRgbHex(0x800080);
inline constexpr Colour kSelectedShadow = FromRgbHex(0x000080);
inline constexpr Colour kWeekdayShadowBase = FromRgbHex(0x808000);
inline constexpr Colour kTodayMarkShadow = FromRgbHex(0x404040);
inline constexpr Colour kTodayMark = FromRgbHex(0x8080FF);
inline constexpr Colour kHeaderShadow = FromRgbHex(0xE0E0E0);
}  // namespace cell_colours

// What one day cell is, as the grid and the calendar state see it.
struct DayCellFacts {
  std::string_view cellText;  // date text + "@0"
  int column = 1;             // 1 (Sunday) - 7 (Saturday)
  int row = 1;                // 1 - 6
  bool selected = false;      // the grid draws it as its current cell
  bool gridHasFocus = true;
  int shownMonth = 1;
  int shownYear = 2000;
  std::string_view loadedYear;  // "yyyy"
  std::string_view today;       // date text
  int selectedRow = 0;
  int selectedCol = 0;
  bool stripHit = false;
  DayKind labelKind = DayKind::kNothing;  // from DayEntry when holidays are shown
  bool hasLabel = false;                  // the label text is not empty
};

// The year a day cell is painted as: its characters 1-4, or `shownYear`
// when they are not a number or name a year before 1900.
int CellYear(std::string_view cellText, int shownYear);

// True when the cell's month (characters 6-7) differs from the shown month.
bool IsOtherMonth(const DayCellFacts& facts);

// True when the cell is the grid's current cell and the last press fell on
// its date strip.
bool IsPressed(const DayCellFacts& facts);

// Every colour a day cell is drawn with.
struct DayCellColours {
  Colour background = 0;               // the fill of the cell
  Colour number = 0;                   // the day number
  std::optional<Colour> numberShadow;  // none for a day of another month
  bool drawBorders = true;             // not for the selected cell
  Colour borderPen = 0;                // background with 48 off each channel, floor 0
  Colour labelUnder = 0;               // the label's soft under-print
  bool labelUnderPrint = true;         // not on the selection colour
  Colour label = 0;                    // the label itself
  Colour todayMarkShadow = cell_colours::kTodayMarkShadow;
  Colour todayMark = 0;
  Colour stripShadowTop = 0;     // line at T + 16 when "dayshadow" is on
  Colour stripShadowBottom = 0;  // line at T + 17
  bool operator==(const DayCellColours&) const = default;
};

// Decides the colours of a day cell: background by column, month, label
// kind, today, focus and loaded year; number colour by column and month;
// shadows, border pen and label colours derived from them. A cell on the
// selection colour (selected, or remembered while the grid has no focus)
// has a white number, label and today mark and no label under-print.
DayCellColours DecideDayCellColours(const DayCellFacts& facts);

// The border pen: each channel of `background` less 48, never below 0.
Colour BorderPenColour(Colour background);

// Header text colour of a weekday column 1-7 (Sunday red, Saturday blue).
Colour HeaderTextColour(int column);

// The day number text: the whole "mm/dd" with "monday" on, else the day
// digits without a leading zero ("2" for 08/02).
std::string DayNumberText(std::string_view cellText, bool monday);

// The weekday names of the header row, Sunday first.
std::string WeekdayHeaderName(int column, bool english);

}  // namespace lumidex
