#pragma once

#include <string>
#include <vector>

namespace lumidex {

class AlbumStore;

// Every sub-album name used in any year, for the drop-down of the name
// dialog: for each year of the year list (in order) whose sub-album document
// exists, its section names without the first five characters, each name
// once (compared without regard to ASCII letter case), in the order found.
// The shown year is read as it stands in memory; other years from disk (a
// file that cannot be read adds nothing).
std::vector<std::string> SubAlbumNameChoices(AlbumStore& store);

}  // namespace lumidex
