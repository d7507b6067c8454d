#include "slideshow/store_slide_album.h"

#include "album/album_store.h"
#include "foundation/file_paths.h"
#include "foundation/file_types.h"

namespace lumidex {

StoreSlideAlbum::StoreSlideAlbum(AlbumStore& store, std::function<void()> containerChanged,
                                 std::function<void(const Status&)> failed)
    : store_(store), containerChanged_(std::move(containerChanged)), failed_(std::move(failed)) {}

bool StoreSlideAlbum::Check(const Status& status) {
  if (!status.ok() && failed_) failed_(status);
  return status.ok();
}

bool StoreSlideAlbum::SwitchTo(std::string_view year, bool forCalendar) {
  if (store_.HasYear() && store_.loadedYear() == year) return true;
  // SwitchYear saves and leaves whatever is open first.
  if (!Check(store_.SwitchYear(year))) return false;
  // The page summaries (and their cover pictures) are only for the
  // calendar, which a show covers: they are made when the show returns.
  if (forCalendar) store_.RebuildSummaries();
  return true;
}

std::optional<std::vector<std::string>> StoreSlideAlbum::OpenPage(std::string_view year, std::string_view page) {
  if (!SwitchTo(year, false)) return std::nullopt;
  if (!store_.yearDocument().HasSection(page)) return std::nullopt;
  if (!Check(store_.GoBack(true)) || !Check(store_.OpenPage(page))) return std::nullopt;
  if (containerChanged_) containerChanged_();
  return store_.Lines();
}

std::vector<std::string> StoreSlideAlbum::OpenSubAlbum(std::string_view section) {
  if (!store_.PageOpen() || store_.SubAlbumOpen()) return {};
  if (store_.subAlbumDocument().SectionLines(section).empty()) return {};
  if (!Check(store_.OpenSubAlbum(section))) return {};
  if (containerChanged_) containerChanged_();
  return store_.Lines();
}

std::vector<std::string> StoreSlideAlbum::BackToPage() {
  if (store_.SubAlbumOpen() && Check(store_.GoBack(false)) && containerChanged_) containerChanged_();
  return store_.Lines();
}

bool StoreSlideAlbum::IsLocked(std::string_view year, std::string_view page) const {
  return store_.IsPageLocked(year, page);
}

bool StoreSlideAlbum::IsShowablePicture(const std::string& path) const {
  return FileTypeLists::IsImageType(ExtensionOf(path)) && FileExists(path);
}

StoreSlideAlbum::Place StoreSlideAlbum::Here() const {
  Place place;
  place.year = store_.loadedYear();
  place.page = store_.openPage();
  if (store_.SubAlbumOpen()) place.subAlbum = store_.currentSection();
  return place;
}

bool StoreSlideAlbum::ReturnTo(const Place& place) {
  const Place here = Here();
  if (here.year == place.year && here.page == place.page && here.subAlbum == place.subAlbum) return false;
  if (SwitchTo(place.year, true) && Check(store_.GoBack(true)) && !place.page.empty() &&
      Check(store_.OpenPage(place.page)) && !place.subAlbum.empty()) {
    Check(store_.OpenSubAlbum(place.subAlbum));
  }
  if (containerChanged_) containerChanged_();
  return true;
}

}  // namespace lumidex
