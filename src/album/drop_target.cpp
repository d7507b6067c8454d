#include "album/drop_target.h"

#include "album/album_text.h"

namespace lumidex {

DropAction RouteDrop(const DropPlace& place) {
  using Kind = DropAction::Kind;
  switch (place.control) {
    case DropControl::kOther:
      return {};
    case DropControl::kFreeLayout:
      return {Kind::kFreeLayoutText, "", false};
    case DropControl::kCalendar:
    case DropControl::kPageList:
    case DropControl::kImageList:
      break;
  }
  if (place.containerOpen) return {Kind::kAddToContainer, "", false};
  if (place.control == DropControl::kImageList || !IsPageKey(place.page)) return {};
  return {Kind::kAddToPage, place.page, !place.pageExists};
}

}  // namespace lumidex
