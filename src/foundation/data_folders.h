#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foundation/file_paths.h"

namespace lumidex {

// The folders of one user's album, worked out once at start and held for the
// run. Every path is absolute and ends with "/". The fields are listed in the
// order in which missing folders are created.
struct DataFolders {
  std::string programDir;  // the application base folder
  std::string dataDir;     // shared data; holds "NationalHoliday.txt"
  std::string cacheDir;    // thumbnail disk cache; may be replaced by the "wdir" setting
  std::string userDir;     // the user's album; "grp-list.ini", "daylc.ini"
  std::string photoDir;    // year documents <yyyy>.ini and <yyyy>S.ini
  std::string holidayDir;  // per-year holiday files <yyyy>.txt
  std::string myPhotoDir;  // favourites
  std::string albumDir;    // free layout documents

  // The folders below `baseFolder` for the user `loginName`, used as it comes
  // as a folder name. `baseFolder` may or may not end with "/".
  static DataFolders ForBase(std::string_view baseFolder, std::string_view loginName);

  // Creates every missing folder with its parents, in the order above.
  // Failures are not reported: later file operations fail instead.
  void CreateAll() const;

  // The folders the album's documents are saved in (not the cache).
  std::vector<std::string> DocumentFolders() const {
    return {dataDir, userDir, photoDir, holidayDir, myPhotoDir, albumDir};
  }

  std::string PageIndexPath() const { return userDir + "grp-list.ini"; }
  std::string LockListPath() const { return userDir + "daylc.ini"; }
};

// Creates `path` and all its missing parents. True when it exists afterwards.
bool MakeFolders(const std::string& path);


}  // namespace lumidex
