#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lumidex {

// The answer of a thumbnail maker: the JPEG bytes now, or a promise that they
// arrive later (ImageList::DeliverThumbnail), or neither when the picture
// cannot be made (the item then shows "未対応").
struct ThumbnailAnswer {
  std::optional<std::string> bytes;
  bool pending = false;
};

// Where ImageList::EnsureItemData gets what it puts into an item's record.
// The window fills these with the album store, the imaging functions and the
// disk cache; tests fill them with fakes. Any member left empty counts as
// "nothing there". All are called on the main thread.
struct ItemDataSources {
  // The entry names of the sub-album section `section` (without "@"), in
  // order; empty when the section does not exist.
  std::function<std::vector<std::string>(const std::string& section)> subAlbumEntryNames;
  // The file's last-write time as ALBDATA::dateText, "" when it cannot be
  // opened (a missing file).
  std::function<std::string(const std::string& path)> fileDateText;
  // The large shell icon of a file, as icon bytes.
  std::function<std::optional<std::string>(const std::string& path)> shellIcon;
  // The index of the file's icon in the system icon list.
  std::function<int(const std::string& path)> systemIconIndex;
  // The 40 x 40 exact-size list thumbnail of a sub-album's first file on the
  // list's colour, as JPEG bytes.
  std::function<std::optional<std::string>(const std::string& path)> subAlbumThumbnail;
  // The disk cache file's bytes for direct use as a list thumbnail.
  std::function<std::optional<std::string>(const std::string& path)> cachedBytes;
  // The 170 x 128 list thumbnail made from the picture itself in best-speed
  // mode on the window's colour (the disk cache is not read: cachedBytes
  // comes first); never writes the disk cache while ImageList::noCacheMode
  // holds (the maker reads that flag itself).
  std::function<ThumbnailAnswer(const std::string& path)> listThumbnail;
  // True while the thumbnail maker already has as much queued work as it
  // can run at once; the background pass then waits, so that the items of a
  // newly visible range never queue behind the whole rest of the list.
  std::function<bool()> makerBusy;
  // The system's memory load in percent.
  std::function<int()> memoryLoadPercent;
  // Told whether thumbnails are kept in memory (the memory-cache indicator).
  std::function<void(bool on)> memoryCacheIndicator;
};

}  // namespace lumidex
