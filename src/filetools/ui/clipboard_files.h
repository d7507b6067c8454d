#pragma once

#include <QMimeData>
#include <memory>
#include <string>
#include <vector>

#include "album/entry_registration.h"

namespace lumidex {

// The clipboard and drag-and-drop forms of files and album information:
// - a file list is "text/uri-list" (file URLs) together with
//   "x-special/gnome-copied-files" ("copy" or "cut", then the URLs, one a
//   line), the form file managers read and write;
// - album information is kAlbumInfoMimeType holding the plain text of
//   AlbumInfoText (UTF-8), with the same text as "text/plain" for other
//   programs.
inline constexpr const char* kAlbumInfoMimeType = "application/x-lumidex-album-info";
inline constexpr const char* kGnomeCopiedFilesMimeType = "x-special/gnome-copied-files";

// A file list of `paths` (absolute paths of this system), marked as cut or
// copied. The caller owns the result (QClipboard::setMimeData takes it).
std::unique_ptr<QMimeData> FileListMimeData(const std::vector<std::string>& paths, bool cut);

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
