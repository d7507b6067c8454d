#include "calendar/cell_style.h"

#include <algorithm>
#include <array>

#include "foundation/calendar_date.h"

namespace lumidex {

namespace cc = cell_colours;

BorderLineStyle LineStyleFromSetting(int value) {
  switch (value) {
    case 1:
      return BorderLineStyle::kDotted;
    case 2:
      return BorderLineStyle::kDashDot;
    default:
      return BorderLineStyle::kSolid;
  }
}

int CellYear(std::string_view cellText, int shownYear) {
  const auto year = DigitsAt(cellText, 0, 4);
  return year && *year >= 1900 ? *year : shownYear;
}

bool IsOtherMonth(const DayCellFacts& facts) {
  return DigitsAt(facts.cellText, 5, 2) != std::optional<int>(facts.shownMonth);
}

bool IsPressed(const DayCellFacts& facts) { return facts.selected && facts.stripHit; }

Colour BorderPenColour(Colour background) {
  // Each channel on its own: a dark channel stops at 0 instead of borrowing
  // from its neighbour, which would tint the pen.
  auto darker = [](int channel) { return std::max(channel - 48, 0); };
  return RgbColour(darker(RedOf(background)), darker(GreenOf(background)),
                   darker(BlueOf(background)));
}

DayCellColours DecideDayCellColours(const DayCellFacts& f) {
  DayCellColours c;
  const bool otherMonth = IsOtherMonth(f);
  const std::string_view dateText = f.cellText.substr(0, std::min<size_t>(10, f.cellText.size()));
  Colour background;
  if (f.selected) {
    background = cc::kSelection;
  } else {
    if (f.column == 1) {
      background = cc::kSunday;
    } else if (f.column == 7) {
      background = cc::kSaturday;
    } else {
      background = otherMonth ? cc::kWeekdayOtherMonth : cc::kWeekdayShownMonth;
    }
    if (f.hasLabel) {
      background = f.labelKind == DayKind::kEvent   ? cc::kEvent
                   : f.labelKind == DayKind::kOther ? cc::kOther
                                                    : cc::kHoliday;
    }
    if (otherMonth) background = Blend(background, kWhite, 60);
    if (dateText == f.today) background = cc::kToday;
    if (!f.gridHasFocus && f.row == f.selectedRow && f.column == f.selectedCol) {
      background = cc::kSelection;
    }
    if (f.cellText.substr(0, std::min<size_t>(4, f.cellText.size())) != f.loadedYear) {
      background = cc::kOutsideLoadedYear;
    }
  }
  c.background = background;
  // The selection colour is dark: whatever stands on it, the selected cell
  // or the remembered one while the grid has no focus, is drawn light.
  const bool onSelection = background == cc::kSelection;

  Colour shown = cc::kNumber;
  if (onSelection) {
    shown = kWhite;
  } else if (otherMonth) {
    shown = cc::kOtherMonthNumber;
  } else if (f.column == 1) {
    shown = cc::kRed;
  } else if (f.column == 7) {
    shown = cc::kBlue;
  }
  c.number = shown;
  if (!otherMonth) {
    const Colour base = shown == cc::kNumber ? cc::kWeekdayShadowBase : shown;
    c.numberShadow = onSelection ? cc::kSelectedShadow : Blend(base, kWhite, 90);
  }

  c.drawBorders = !f.selected;
  c.borderPen = BorderPenColour(background);
  c.labelUnder = Blend(background, kWhite, 100);
  c.labelUnderPrint = !onSelection;
  if (onSelection) {
    c.label = kWhite;
  } else {
    c.label = f.labelKind == DayKind::kEvent   ? cc::kEventLabel
              : f.labelKind == DayKind::kOther ? cc::kBlue
                                               : cc::kRed;
  }
  c.todayMark = onSelection ? kWhite : cc::kTodayMark;
  c.stripShadowTop = Blend(kBlack, background, 50);
  c.stripShadowBottom = Blend(kBlack, background, 120);
  return c;
}

Colour HeaderTextColour(int column) {
  return column == 1 ? cc::kRed : column == 7 ? cc::kBlue : cc::kNumber;
}

std::string DayNumberText(std::string_view cellText, bool monday) {
  const std::string_view md = PageKeyOf(cellText);
  if (md.size() != 5) return {};
  if (monday) return std::string(md);
  return md[3] == '0' ? std::string(md.substr(4, 1)) : std::string(md.substr(3, 2));
}

std::string WeekdayHeaderName(int column, bool english) {
  static constexpr std::array<const char*, 7> kJapanese{"日", "月", "火", "水", "木", "金", "土"};
  static constexpr std::array<const char*, 7> kEnglish{"Sun", "Mon", "Tue", "Wed",
                                                       "Thu", "Fri", "Sat"};
  const size_t i = static_cast<size_t>(std::clamp(column, 1, 7) - 1);
  return english ? kEnglish[i] : kJapanese[i];
}

}  // namespace lumidex
