#include "slideshow/playlist.h"

#include <filesystem>
#include <set>
#include <string_view>

#include "album/album_path.h"
#include "foundation/album_text_check.h"
#include "foundation/file_paths.h"
#include "foundation/file_types.h"
#include "foundation/ini_line.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

constexpr std::string_view kPlaylistExtension = ".m3u";

// The same playlist file under every spelling of its path ("./", "..", folder
// links): a ring of playlists must be seen even when its members name each
// other differently, or "a.m3u" naming "sub/../a.m3u" would never end.
std::string PlaylistIdentity(const std::string& path) {
  std::error_code error;
  const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
  if (error) return std::filesystem::path(path).lexically_normal().string();
  return canonical.string();
}

// A playlist line as a path: full and Windows-form paths as written, others
// below the playlist file's folder.
std::string ResolveLine(const std::string& folder, const std::string& line) {
  if (line.starts_with('/') || IsWindowsFormPath(line)) return line;
  return WithTrailingSlash(folder) + line;
}

// The state of one BuildPlaylist call. Not thread-safe.
class PlaylistBuilder {
 public:
  explicit PlaylistBuilder(FileStore& store) : store_(store) {}

  // Appends `path` when it is a track, or the tracks of the playlist file it
  // names; skips anything else.
  void Add(const std::string& path) {
    const std::string extension = ExtensionOf(path);
    if (extension == kPlaylistExtension) {
      Expand(path);
    } else if (FileTypeLists::IsMusicType(extension)) {
      tracks_.push_back(path);
    }
  }

  std::vector<std::string> TakeTracks() { return std::move(tracks_); }

 private:
  void Expand(const std::string& path) {
    if (!expanded_.insert(PlaylistIdentity(path)).second) return;
    const Result<std::string> bytes = ReadAlbumFile(store_, path, AlbumTextKind::kPlainText);
    if (!bytes.ok()) return;
    const std::string folder = FolderOf(path);
    for (const auto& line : SplitLines(DecodeEditedFile(bytes.value()))) {
      if (line.empty() || line.starts_with('#')) continue;
      Add(ResolveLine(folder, line));
    }
  }

  FileStore& store_;
  std::set<std::string> expanded_;  // identities of the playlist files read
  std::vector<std::string> tracks_;
};

}  // namespace

std::vector<std::string> BuildPlaylist(const std::vector<std::string>& keys, FileStore& store) {
  PlaylistBuilder builder(store);
  for (const auto& key : keys) {
    // A sub-album reference is never a track, whatever its name ends with.
    if (!key.starts_with('@')) builder.Add(key);
  }
  return builder.TakeTracks();
}

}  // namespace lumidex
