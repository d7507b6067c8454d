#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

// One library the program uses: the version it was built against and the
// version loaded now ("" when the library cannot tell at run time).
struct LibraryVersion {
  std::string name;
  std::string built;
  std::string running;

  bool operator==(const LibraryVersion&) const = default;
};

// The album's version, from the build ("0.1").
std::string ProgramVersion();

// The picture libraries the program links, in the order the box lists
// them: libjpeg-turbo, libpng, giflib and zlib.
std::vector<LibraryVersion> PictureLibraryVersions();

// The text of the version box: the program's names and version, then one
// line per library, "name version", followed by "（ビルド時 version）" when
// the loaded version differs from the one built against.
std::string VersionText(std::string_view programVersion, const std::vector<LibraryVersion>& libraries);

}  // namespace lumidex
