#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lumidex {

// The record of one container or folder item of the image list, made by
// ImageList::EnsureItemData on the main thread and owned by its line.
struct ALBDATA {
  // The thumbnail: JPEG bytes when isJpeg is 1, else icon bytes or none.
  std::optional<std::string> data;
  uint8_t isJpeg = 0;
  // Set once the item has been drawn with its data (ImageList::MarkShown).
  uint8_t shown = 0;
  // Sub-album items: the number of entries of the sub-album.
  int32_t fileCount = 0;
  // File items: the last-write time "yyyy/MM/dd HH:mm:ss" in local time, ""
  // when the file cannot be opened.
  std::string dateText;
  // File items: dateText is not empty.
  uint8_t exists = 0;
  // Items of the user's managed types: index of the file's icon; -1 otherwise.
  int32_t iconIndex = -1;
  // The thumbnail is being made off the main thread and arrives later
  // through ImageList::DeliverThumbnail.
  bool thumbnailPending = false;
  // The thumbnail was asked for afresh once because its bytes did not decode
  // (ImageList::RemakeThumbnail); it is not asked for again.
  bool thumbnailRemade = false;
};

}  // namespace lumidex
