#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "foundation/album_text_check.h"
#include "foundation/file_store.h"

namespace lumidex {
namespace {

class FilePiecesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "lumidex-pieces.XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Write(const std::string& bytes) {
    const std::string path = folder_ + "/doc.ini";
    EXPECT_TRUE(RealFileStore().WriteAtomic(path, bytes).ok());
    return path;
  }

  std::vector<std::string> Pieces(const std::string& path, std::string& buffer, size_t stopAfter = SIZE_MAX) {
    std::vector<std::string> pieces;
    const Status read = RealFileStore().ReadPieces(path, buffer, [&](std::string_view piece) {
      pieces.emplace_back(piece);
      return pieces.size() < stopAfter;
    });
    EXPECT_TRUE(read.ok()) << read.message();
    return pieces;
  }

  std::string folder_;
};

TEST_F(FilePiecesTest, PiecesAreWholeLinesThatMakeUpTheFile) {
  // A CR LF across the first piece's end, a line longer than the buffer,
  // CR alone, and a last line without a break.
  std::string bytes = "[01/01]\r\n";
  while (bytes.size() < (256u << 10) - 1) bytes += "a";
  bytes += "\r\nb\rc\n";
  bytes += std::string(600u << 10, 'x') + "\r\n";
  for (int i = 0; i < 20000; ++i) bytes += "line " + std::to_string(i) + "\r\n";
  bytes += "end";
  std::string buffer;
  const std::vector<std::string> pieces = Pieces(Write(bytes), buffer);
  ASSERT_GT(pieces.size(), 2u);
  std::string joined;
  for (size_t i = 0; i < pieces.size(); ++i) {
    joined += pieces[i];
    if (i + 1 == pieces.size()) break;
    const char last = pieces[i].back();
    EXPECT_TRUE(last == '\n' || last == '\r') << "piece " << i;
    EXPECT_FALSE(last == '\r' && pieces[i + 1].front() == '\n') << "CR LF split after piece " << i;
  }
  EXPECT_EQ(joined, bytes);
  EXPECT_EQ(pieces.back(), std::string_view(bytes).substr(bytes.rfind('\n') + 1));

  // The buffer is reused, and reading stops when told.
  EXPECT_EQ(Pieces(Write("[a]\r\n"), buffer), std::vector<std::string>{"[a]\r\n"});
  EXPECT_EQ(Pieces(Write(bytes), buffer, 1).size(), 1u);
  std::string unused;
  EXPECT_TRUE(RealFileStore().ReadPieces(folder_ + "/missing.ini", unused, [](std::string_view) {
    return true;
  }).isNotFound());
}

TEST_F(FilePiecesTest, TextCheckDecidesAlikeWhateverThePieces) {
  using namespace std::string_literals;
  const std::string bom = "\xEF\xBB\xBF";
  const struct {
    std::string bytes;
    bool readable;
  } cases[] = {
      {"[01/01]\r\nIMG.jpg=c\r\n", true},
      {bom + "[01/01]\nx\n", true},
      {"; note\r\n[01/01]\r\n", true},
      {" \r\n\t\n", true},
      {"", true},
      {bom, true},
      {"[01/01]\r\nIMG\0.jpg\r\n"s, false},
      {"\xFF\xFE[\0"s, false},
      {"\xFE\xFF", false},
      {"no section\r\n", false},
      {bom + "x[y]\n", false},
  };
  for (const auto& c : cases) {
    const std::string& bytes = c.bytes;
    EXPECT_EQ(CheckAlbumText("f", bytes, AlbumTextKind::kIniDocument).ok(), c.readable) << bytes;
    for (size_t a = 0; a <= bytes.size(); ++a) {
      for (size_t b = a; b <= bytes.size(); ++b) {
        AlbumTextCheck check(AlbumTextKind::kIniDocument);
        check.Add(bytes.substr(0, a));
        check.Add(bytes.substr(a, b - a));
        check.Add(bytes.substr(b));
        EXPECT_EQ(check.Result("f").ok(), c.readable) << bytes << " split at " << a << ", " << b;
      }
    }
  }
}

}  // namespace
}  // namespace lumidex
