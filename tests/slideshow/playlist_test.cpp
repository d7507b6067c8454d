#include "slideshow/playlist.h"

#include <gtest/gtest.h>

#include "foundation/text_codec.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

using Tracks = std::vector<std::string>;

class PlaylistTest : public ::testing::Test {
 protected:
  testing::TempHome home;
  std::string Path(const std::string& name) const { return home.Join("m/" + name); }
  void Write(const std::string& name, const std::string& bytes) {
    testing::WriteFile(Path(name), bytes);
  }
};

TEST_F(PlaylistTest, MusicKeysAndPlaylistLinesJoinInDocumentOrder) {
  Write("list.m3u", std::string(kUtf8Bom) +
                        "#EXTM3U\r\nb.mp3\r\nnotes.txt\r\n\r\nc.wma\r\n/abs/d.MP3\r\n"
                        "C:\\music\\e.mp3\r\n#f.mp3\r\n");
  const Tracks keys = {Path("p.jpg"), Path("a.mp3"),       Path("list.m3u"),     "@03/15旅.mp3",
                       Path("noext"), Path("missing.m3u"), Path("list.m3u.txt"), Path("a.mp3")};
  EXPECT_EQ(BuildPlaylist(keys), (Tracks{Path("a.mp3"), Path("b.mp3"), Path("c.wma"), "/abs/d.MP3",
                                         "C:\\music\\e.mp3", Path("a.mp3")}));
}

TEST_F(PlaylistTest, Cp932AndNestedPlaylistsResolveInTheirOwnFolderAndLoopsEnd) {
  Write("self.m3u", EncodeCp932Exact("曲.mp3\nself.m3u\nsub/inner.m3u\n").value());
  Write("sub/inner.m3u", "x.mp3\n../self.m3u\n../sub/./inner.m3u\n");
  Write("binary.m3u", std::string("a.mp3\n\0b.mp3\n", 13));
  EXPECT_EQ(BuildPlaylist({Path("self.m3u"), Path("binary.m3u")}),
            (Tracks{Path("曲.mp3"), Path("sub/x.mp3")}));
}

}  // namespace
}  // namespace lumidex
