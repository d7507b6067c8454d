#pragma once

#include <functional>
#include <optional>
#include <string>

#include "foundation/status.h"
#include "images/thumbnail_request.h"

namespace lumidex {

class ThumbnailCache;

// Draws the list thumbnail of `request` without consulting any cache and
// returns it as a JPEG of quality 90: the file decoded by its extension,
// fitted into the box (or filling it with exactSize; either way at least
// 1 x 1, and a landscape picture never becomes portrait or the other way),
// drawn over the background with the plain or the area-averaging stretch.
// JPEGs are decoded at the smallest scale that covers the fitted size, in
// best-speed mode. ManagedTypes give their 16 x 16 type icon; a ".gif" that
// is not a GIF, metafiles and files of no decodable type give the shell
// thumbnail or, without one, a 16 x 16 sheet of the background colour.
// Error "ファイル %s は開けません" when the file cannot be read, or the
// decoder's error when a picture does not decode.
// Thread-safe as far as the context's ShellImages is.
Result<std::string> RenderListThumbnail(const ThumbnailRequest& request, const ImageContext& context);

// True when files of `path`'s type are drawn by the context's ShellImages
// (metafiles, ManagedTypes, types without a decoder) rather than decoded;
// those must be rendered on the thread that may call the ShellImages.
bool DrawnByShell(const std::string& path, const ImageContext& context);

// The list thumbnail with the disk cache around it: when `request.cachePath`
// is empty the cache may deliver a stored thumbnail (nothing is decoded
// then); afterwards the cache may store the new one. `request.cachePath`
// receives the cache file name. `cache` may be null (no disk cache). Errors
// as RenderListThumbnail. Not thread-safe: call it from the cache's owner.
Result<std::string> MakeListThumbnail(ThumbnailRequest& request, const ImageContext& context,
                                      ThumbnailCache* cache);

// The thumbnail of a page's cover for a calendar cell of cellWidth x
// cellHeight (the height first cut to the width when larger): the list
// recipe without cache over white; ManagedTypes give their large icon when
// the context's bigIcons is set, else the small one, at its own size; files
// of no decodable type give the shell thumbnail, else their large icon on a
// 32 x 32 sheet. Errors as RenderListThumbnail.
Result<std::string> MakeCellThumbnail(const std::string& path, int cellWidth, int cellHeight,
                                      const ImageContext& context);

// The page-cover renderer the album store takes: MakeCellThumbnail of a cover
// path at cellWidth x cellHeight, nothing when the file gives no picture.
// `context` is copied; what it points to must outlive the renderer.
std::function<std::optional<std::string>(const std::string& coverPath)> CellThumbnailRenderer(
    int cellWidth, int cellHeight, const ImageContext& context);

// The file at its own size drawn over `background` (the free layout's
// pictures), as a JPEG of quality 90. Errors as RenderListThumbnail.
Result<std::string> LoadFullImage(const std::string& path, uint32_t background,
                                  const ImageContext& context);

}  // namespace lumidex
