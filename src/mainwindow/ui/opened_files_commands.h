#pragma once

#include <string>
#include <vector>

namespace lumidex {

class AlbumStore;
class AlbumViews;
class TForm1;

// Registers the files the window program was started with (the desktop's
// "open with", `lumidex-album FILE...`): each picture onto the page of its
// shooting date (".jpg" by its Exif date, else its file date), in the
// document of that date's year, as the automatic registration does; the
// views then show the new entries, the calendar the month of the earliest
// day that got one, and the status bar says how many were added. Files that do not exist or are not pictures are named in one
// message. The window's commands are locked while it runs. Relative paths
// are taken from `currentFolder`. Main thread only; runs after the start,
// with the first month shown.
void RegisterOpenedFiles(TForm1& window, AlbumStore& store, AlbumViews& views,
                         const std::vector<std::string>& arguments, const std::string& currentFolder);

}  // namespace lumidex
