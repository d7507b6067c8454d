#include "slideshow/slide_type.h"

#include <array>

#include "foundation/text_compare.h"

namespace lumidex {
namespace {

constexpr std::array<SlideType, 4> kTypes = {SlideType::kDay, SlideType::kDays, SlideType::kYear,
                                             SlideType::kList};

}  // namespace

std::string_view SlideTypeName(SlideType type) {
  switch (type) {
    case SlideType::kDay: return "Day";
    case SlideType::kDays: return "Days";
    case SlideType::kYear: return "Year";
    case SlideType::kList: return "List";
  }
  return "Day";
}

std::optional<SlideType> ParseSlideType(std::string_view name) {
  for (SlideType type : kTypes) {
    if (EqualsNoCase(SlideTypeName(type), name)) return type;
  }
  return std::nullopt;
}

}  // namespace lumidex
