#include "mainwindow/ui/album_calendar_source.h"

#include <cstdio>

#include "album/album_store.h"

namespace lumidex {
namespace {

constexpr std::string_view kPageIndexSection = "DATA";
constexpr std::string_view kAutoCoverMark = ".alb";

bool HasEntryLine(const std::vector<std::string>* lines) {
  if (lines == nullptr) return false;
  for (const std::string& line : *lines) {
    if (!line.empty()) return true;
  }
  return false;
}

}  // namespace

std::optional<DayPageView> AlbumPageSource::PageOf(std::string_view md) const {
  const TMemIniFile& index = album_.pageIndex();
  if (!index.HasKey(kPageIndexSection, md)) return std::nullopt;
  DayPageView view;
  view.autoCover =
      index.GetValue(kPageIndexSection, md, "").find(kAutoCoverMark) != std::string::npos;
  if (const GRPDATA* summary = album_.FindSummary(md)) {
    if (summary->thumbnail) view.coverJpeg = *summary->thumbnail;
    view.coverManagedOrIcon = summary->iconCover;
  }
  view.hasEntries = album_.HasYear() && HasEntryLine(album_.yearDocument().FindSection(md));
  view.usedInOtherYears = album_.PageUsedInOtherYears(md, album_.loadedYear());
  return view;
}

std::vector<std::string> AlbumPageSource::SubAlbumNames(std::string_view md) const {
  std::vector<std::string> names;
  if (!album_.HasYear() || md.empty()) return names;
  for (const std::string& section : album_.subAlbumDocument().SectionNames()) {
    if (section.size() > md.size() && section.starts_with(md))
      names.push_back(section.substr(md.size()));
  }
  return names;
}

Status AlbumYearSwitch::SwitchYear(int year) {
  char text[8];
  std::snprintf(text, sizeof text, "%04d", year);
  if (Status switched = album_.SwitchYear(text, /*force=*/true); !switched.ok()) return switched;
  album_.RebuildSummaries();
  if (switched_) switched_();
  return Status::Ok();
}

}  // namespace lumidex
