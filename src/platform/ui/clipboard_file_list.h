#pragma once

#include <QMimeData>
#include <memory>
#include <string>
#include <vector>

namespace lumidex {

// The clipboard and drag-and-drop form of a list of files: "text/uri-list"
// (file URLs) together with "x-special/gnome-copied-files" ("copy" or
// "cut", then the URLs, one a line), the form file managers read and write.
inline constexpr const char* kGnomeCopiedFilesMimeType = "x-special/gnome-copied-files";

// A file list of `paths` (absolute paths of this system), marked as cut or
// copied. The caller owns the result (QClipboard::setMimeData takes it).
std::unique_ptr<QMimeData> FileListMimeData(const std::vector<std::string>& paths, bool cut);

// The local files of the URL list of `data`, in order and whole (no length
// limit); nothing for data without one.
std::vector<std::string> LocalFilesOf(const QMimeData& data);

// Whether a file manager marked the list of `data` as cut.
bool IsCutFileList(const QMimeData& data);

// What the system clipboard holds for the menus' paste items: local files;
// and local files or text (a file list or text pasted as text).
bool ClipboardHoldsFiles();
bool ClipboardHoldsFilesOrText();

}  // namespace lumidex
