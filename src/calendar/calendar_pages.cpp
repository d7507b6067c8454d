#include "calendar/calendar_pages.h"

namespace lumidex {

std::string DayStatusText(const CalendarPageSource& pages, std::string_view md,
                          std::string_view loadedYear) {
  const auto page = pages.PageOf(md);
  if (!page) return "ページなし";
  if (!page->hasEntries) {
    if (md.size() != 5) return {};
    return std::string(loadedYear) + "年" + std::string(md.substr(0, 2)) + "月" +
           std::string(md.substr(3, 2)) + "日は、画像が未登録です。";
  }
  std::string text;
  for (const std::string& name : pages.SubAlbumNames(md)) {
    if (!text.empty()) text += " 、";
    text += name;
  }
  return text;
}

}  // namespace lumidex
