#pragma once

#include <QMimeData>
#include <memory>
#include <string>
#include <vector>

#include "album/entry_registration.h"
#include "platform/ui/clipboard_file_list.h"

namespace lumidex {

// The clipboard and drag-and-drop forms of album information:
// kAlbumInfoMimeType holding the plain text of AlbumInfoText (UTF-8), with
// the same text as "text/plain" for other programs. File lists take the
// form of FileListMimeData.
inline constexpr const char* kAlbumInfoMimeType = "application/x-lumidex-album-info";

// Album information lines for the clipboard.
std::unique_ptr<QMimeData> AlbumInfoMimeData(const std::vector<std::string>& lines);

// What a paste or drop brings.
struct PastedLines {
  std::vector<std::string> lines;
  IncomingKind kind = IncomingKind::kPaths;
  bool cut = false;  // a file manager marked the list as cut
};

// The lines of `data`: album information when it carries it, else the local
// files of its URL list, in order and whole (no length limit). Nothing for
// data without either (a clipboard without a file list pastes nothing).
PastedLines ReadPastedLines(const QMimeData* data);

// Whether "貼り付け(&P)" has something to paste.
bool CanPaste(const QMimeData* data);

}  // namespace lumidex
