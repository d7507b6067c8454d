#include "album/album_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/text_codec.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

// Lines of a year document that a byte search can get wrong: trail bytes
// that look like ASCII ("ソ" is 83 5C, "ゾ" 83 5D, "ー" 81 5B), letters in
// both cases and widths, a character with three codes (∵ as 81 E6, 87 9A and
// FA 5B), a byte that does not decode (FD), a header-like line whose last
// byte is only a trail byte, comment lines, lines before the first section
// and two sections of one name.
const std::vector<std::string> kTrickyLines = {
    "/before/the/first/section.jpg=ソ",
    "[03/15]",
    "/p/ソ表.jpg=\\の前",
    "/p/IMG_0001.JPG=ＩＭＧ写真",
    "/p/ｻﾞｸﾛ.jpg=ザクロ",
    "/p/a.jpg=\x87\x9A\xFA\x5B",
    "/p/b\xFD" "c.jpg=x\xFD",
    ";/commented/ソ.jpg=",
    "[03/16ゾ",
    "@03/15旅行=ソーダ",
    "[03/15旅行]",
    "/s/ソ.jpg=旅",
    "[03/15]",
    "/p/second_ソ.jpg=二つ目",
};

class AlbumSearchTest : public ::testing::Test {
 protected:
  // The tricky document as cp932 bytes, written as they are.
  void WriteCp932(const std::string& year, const std::vector<std::string>& lines) {
    std::string bytes, subAlbums;
    bool inSubAlbum = false;
    for (const std::string& line : lines) {
      // The raw bytes above are cp932 already; the rest is UTF-8 text.
      const std::string cp932 = IsValidUtf8(line) ? EncodeCp932Exact(line).value() : line;
      if (line == "[03/15旅行]") inSubAlbum = true;
      if (line == "[03/15]") inSubAlbum = false;
      (inSubAlbum ? subAlbums : bytes) += cp932 + "\r\n";
    }
    testing::WriteFile(home.Join(year + ".ini"), bytes);
    testing::WriteFile(home.Join(year + "S.ini"), subAlbums);
  }
  // The same documents in UTF-8 with the byte-order mark, searched in their
  // decoded text.
  void WriteUtf8(const std::string& year, const std::string& fromYear) {
    for (const std::string suffix : {".ini", "S.ini"}) {
      const std::string text = DecodeAlbumFile(testing::ReadFile(home.Join(fromYear + suffix)));
      testing::WriteFile(home.Join(year + suffix), std::string(kUtf8Bom) + EncodeUtf8Raw(text));
    }
  }
  SearchOutcome Search(const std::vector<std::string>& years, const std::string& text, SearchOptions options = {},
                       LongOperation* progress = nullptr, const HitsFound& found = nullptr) {
    SearchRequest request;
    request.text = text;
    request.targets = {true, true, true, true};
    request.options = options;
    SilentOperation silent;
    return SearchAlbum(home.path(), years, nullptr, request, progress ? *progress : silent, RealFileStore(), found);
  }
  static std::vector<std::string> Locations(const SearchOutcome& outcome) {
    std::vector<std::string> locations;
    for (const SearchHit& hit : outcome.hits) locations.push_back(hit.Location().substr(4));
    return locations;
  }

  testing::TempHome home;
};

TEST_F(AlbumSearchTest, TheBytesOfACp932DocumentGiveTheHitsOfItsDecodedText) {
  WriteCp932("2001", kTrickyLines);
  WriteUtf8("2002", "2001");
  const std::vector<std::string> needles = {"\\", "ソ", "ゾ", "]", "[", "img", "IMG", "ｉｍｇ", "∵", "ザ", "ｻﾞ",
                                            "c.jpg", "旅行", "ー", "/p/", "二つ目", "前", "x", "写真"};
  for (const std::string& needle : needles) {
    for (const SearchOptions options : {SearchOptions{}, SearchOptions{true, true}}) {
      const SearchOutcome bytes = Search({"2001"}, needle, options);
      const SearchOutcome decoded = Search({"2002"}, needle, options);
      EXPECT_EQ(Locations(bytes), Locations(decoded)) << needle << " width " << options.ignoreWidth;
      EXPECT_TRUE(bytes.problems.empty() && decoded.problems.empty());
    }
  }
  // What the rule means on these lines: a trail byte 5C is no backslash, a
  // folded letter is found in any case and width, every code of ∵ is ∵, a
  // line that only looks like a header is an entry.
  EXPECT_EQ(Locations(Search({"2001"}, "\\")), std::vector<std::string>{"/03/15 > /p/ソ表.jpg"});
  EXPECT_EQ(Search({"2001"}, "img").hits.size(), 1u);
  EXPECT_EQ(Search({"2001"}, "ｉｍｇ", {true, false}).hits.size(), 1u);
  EXPECT_EQ(Locations(Search({"2001"}, "∵")), std::vector<std::string>{"/03/15 > /p/a.jpg"});
  EXPECT_EQ(Locations(Search({"2001"}, "ゾ")), std::vector<std::string>{"/03/15 > [03/16ゾ"});
  EXPECT_EQ(Locations(Search({"2001"}, "ｻﾞ", {true, true})),
            (std::vector<std::string>{"/03/15 > /p/ｻﾞｸﾛ.jpg"}));
}

TEST_F(AlbumSearchTest, EachLineIsSearchedOnceAlsoInTwoSectionsOfOneName) {
  WriteCp932("2001", kTrickyLines);
  // Every "ソ" outside comment lines and the lines before the first section:
  // both sections 03/15, the sub-album entry by its comment, the sub-album's
  // entry, each once.
  EXPECT_EQ(Locations(Search({"2001"}, "ソ")),
            (std::vector<std::string>{"/03/15 > /p/second_ソ.jpg", "/03/15 > /p/ソ表.jpg", "/03/15 > 旅行@\\@/s/ソ.jpg",
                                      "/03/15 旅行 >> /s/ソ.jpg"}));
}

// Counts the progress calls and stops when told to.
class CountingOperation : public LongOperation {
 public:
  int stopAtStep = -1;
  int steps = 0;
  void Begin(int) override {}
  bool Step(int, std::string_view) override { return ++steps == stopAtStep; }
  bool AbortRequested() const override { return steps == stopAtStep; }
  void End() override { ended = true; }
  bool ended = false;
};

TEST_F(AlbumSearchTest, HitsComeYearByYearAndTheUserCanStopBetweenSections) {
  for (const std::string year : {"2001", "2002", "2003"}) WriteCp932(year, kTrickyLines);
  CountingOperation progress;
  std::vector<std::string> told;
  const SearchOutcome all = Search({"2001", "2002", "2003"}, "ソ", {}, &progress, [&](std::span<const SearchHit> hits) {
    EXPECT_FALSE(progress.ended);
    told.push_back(hits.front().date.substr(0, 4) + ":" + std::to_string(hits.size()));
  });
  EXPECT_EQ(told, (std::vector<std::string>{"2001:4", "2002:4", "2003:4"}));
  EXPECT_EQ(all.hits.size(), 12u);
  // Each section with a hit steps the progress, and each year.
  EXPECT_GE(progress.steps, 3 * 3 + 3);
  for (int stop = 1; stop < progress.steps; ++stop) {
    CountingOperation stopping;
    stopping.stopAtStep = stop;
    const SearchOutcome part = Search({"2001", "2002", "2003"}, "ソ", {}, &stopping);
    EXPECT_TRUE(part.aborted);
    EXPECT_LT(part.hits.size(), all.hits.size());
    EXPECT_EQ(stopping.steps, stop);
  }
}

}  // namespace
}  // namespace lumidex
