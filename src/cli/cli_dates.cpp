#include "cli/cli_dates.h"

namespace lumidex::cli {
namespace {

// A leap year inside the shown range: every page key of any year is a day of
// it.
constexpr std::string_view kLeapYearPrefix = "2000/";

}  // namespace

std::optional<CalendarDate> ParseAlbumDate(std::string_view text) {
  const auto date = ParseDateText(text);
  if (!date || date->year < kFirstShownYear || date->year > kLastShownYear) return std::nullopt;
  return date;
}

bool IsAlbumDate(std::string_view text) { return ParseAlbumDate(text).has_value(); }

bool IsAlbumYear(std::string_view text) {
  return text.size() == 4 && IsAlbumDate(std::string(text) + "/01/01");
}

bool IsAlbumPage(std::string_view page) {
  return page.size() == 5 && IsAlbumDate(std::string(kLeapYearPrefix) + std::string(page));
}

}  // namespace lumidex::cli
