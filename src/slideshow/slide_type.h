#pragma once

#include <optional>
#include <string_view>

namespace lumidex {

// Which days a slide show runs through.
enum class SlideType {
  kDay,   // "Day": the open page only, over and over
  kDays,  // "Days": consecutive days, or the month/days of the day list
  kYear,  // "Year": the same month/day in consecutive years
  kList,  // "List": the dates of the day list
};

// The name the slide type list shows ("Day", "Days", "Year", "List").
std::string_view SlideTypeName(SlideType type);
// The type of a name as SlideTypeName gives it, letter case ignored.
std::optional<SlideType> ParseSlideType(std::string_view name);

}  // namespace lumidex
