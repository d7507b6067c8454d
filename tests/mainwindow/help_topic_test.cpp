#include "mainwindow/help_topic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace lumidex {
namespace {

TEST(HelpTopicTest, FreeLayoutWinsOverEveryFocusAndView) {
  HelpContext c;
  c.freeLayoutDown = true;
  c.calendarHasFocus = true;
  c.pictureViewShown = true;
  c.slideShowRunning = true;
  EXPECT_EQ(HelpTopicFor(c), "FreeAlb");
}

TEST(HelpTopicTest, FocusedViewChoosesTheTopic) {
  HelpContext calendar;
  calendar.calendarHasFocus = true;
  calendar.pictureViewShown = false;
  EXPECT_EQ(HelpTopicFor(calendar), "Clend");

  HelpContext pageList;
  pageList.imageListHasFocus = true;
  EXPECT_EQ(HelpTopicFor(pageList), "GrpOnList");
  HelpContext openPage = pageList;
  openPage.containerOpen = true;
  EXPECT_EQ(HelpTopicFor(openPage), "GrpOpen");
  // The list keeps its topic while the picture view shows beside it.
  openPage.pictureViewShown = true;
  EXPECT_EQ(HelpTopicFor(openPage), "GrpOpen");

  HelpContext picture;
  picture.pictureViewShown = true;
  picture.pictureViewHasFocus = true;
  EXPECT_EQ(HelpTopicFor(picture), "GrpView");
  picture.actualSizeShown = true;
  EXPECT_EQ(HelpTopicFor(picture), "FullSize");

  HelpContext detail;
  detail.detailListShown = true;
  detail.detailListHasFocus = true;
  detail.containerOpen = true;
  EXPECT_EQ(HelpTopicFor(detail), "DetailList");

  HelpContext favourites;
  favourites.containerOpen = true;
  favourites.favouritesHaveFocus = true;
  EXPECT_EQ(HelpTopicFor(favourites), "Favorite");

  HelpContext albums;
  albums.albumListHasFocus = true;
  EXPECT_EQ(HelpTopicFor(albums), "AllAlbum");
}

TEST(HelpTopicTest, RunningSlideShowWinsOverThePictureViewAndTheList) {
  HelpContext c;
  c.slideShowRunning = true;
  c.pictureViewShown = true;
  c.pictureViewHasFocus = true;
  c.imageListHasFocus = true;
  EXPECT_EQ(HelpTopicFor(c), "SlideShow");
}

TEST(HelpTopicTest, WithoutAFocusedViewTheShownRegionDecides) {
  HelpContext c;
  EXPECT_TRUE(HelpTopicFor(c).empty());  // the start of the document
  c.containerOpen = true;
  EXPECT_EQ(HelpTopicFor(c), "GrpOpen");
  c.detailListShown = true;
  EXPECT_EQ(HelpTopicFor(c), "DetailList");
  c.pictureViewShown = true;
  EXPECT_EQ(HelpTopicFor(c), "GrpView");
  c.actualSizeShown = true;
  EXPECT_EQ(HelpTopicFor(c), "FullSize");
}

// Every topic a context, an option tab or a window can give is one of the
// topics the document has to answer.
TEST(HelpTopicTest, EveryTopicAskedForIsAListedTopic) {
  const auto topics = HelpTopics();
  const std::set<std::string_view> listed(topics.begin(), topics.end());
  EXPECT_EQ(listed.size(), topics.size()) << "a topic is listed twice";
  std::set<std::string_view> asked;
  for (int bits = 0; bits < (1 << 12); ++bits) {
    HelpContext c;
    bool* flags[] = {&c.freeLayoutDown,      &c.slideShowRunning,  &c.actualSizeShown,    &c.pictureViewShown,
                     &c.detailListShown,     &c.containerOpen,     &c.calendarHasFocus,   &c.imageListHasFocus,
                     &c.pictureViewHasFocus, &c.detailListHasFocus, &c.favouritesHaveFocus, &c.albumListHasFocus};
    for (int i = 0; i < 12; ++i) *flags[i] = (bits >> i) & 1;
    if (const std::string_view topic = HelpTopicFor(c); !topic.empty()) asked.insert(topic);
  }
  for (int tab = 0; tab < kOptionTabCount; ++tab) asked.insert(OptionHelpTopic(static_cast<OptionTab>(tab)));
  for (const WindowTopic& window : WindowTopics()) {
    EXPECT_EQ(WindowHelpTopic(window.window), window.topic);
    asked.insert(window.topic);
  }
  // A window without a topic of its own leaves it to the window it belongs to.
  EXPECT_TRUE(WindowHelpTopic("QMessageBox").empty());
  for (std::string_view topic : asked) EXPECT_TRUE(listed.contains(topic)) << topic;
  // Distinct views and tabs really get distinct topics.
  EXPECT_GE(asked.size(), 20u);
}

// The shipped help document, read once for the tests below.
class HelpDocumentTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = std::filesystem::path(LUMIDEX_BUILD_SHARE_DIR) / "help";
    std::ifstream in(folder_ / std::string(kHelpDocumentName), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    html_ = text.str();
    const std::regex anchor(R"re(\s(?:name|id)\s*=\s*"([^"]+)")re");
    for (std::sregex_iterator it(html_.begin(), html_.end(), anchor), end; it != end; ++it) {
      anchors_.push_back((*it)[1]);
    }
  }
  static bool HasAnchor(std::string_view topic) {
    return std::find(anchors_.begin(), anchors_.end(), topic) != anchors_.end();
  }

  static inline std::filesystem::path folder_;
  static inline std::string html_;
  static inline std::vector<std::string> anchors_;
};

TEST_F(HelpDocumentTest, EveryTopicAskedForHasItsAnchor) {
  ASSERT_FALSE(html_.empty()) << "the help document cannot be read in " << folder_;
  for (std::string_view topic : HelpTopics()) EXPECT_TRUE(HasAnchor(topic)) << topic;
}

TEST_F(HelpDocumentTest, AnchorsAreUniqueAndEveryLinkAndPictureResolves) {
  ASSERT_FALSE(html_.empty());
  const std::set<std::string> unique(anchors_.begin(), anchors_.end());
  EXPECT_EQ(unique.size(), anchors_.size()) << "an anchor is named twice";

  const std::regex link(R"re(href\s*=\s*"#([^"]+)")re");
  int links = 0;
  for (std::sregex_iterator it(html_.begin(), html_.end(), link), end; it != end; ++it, ++links) {
    EXPECT_TRUE(unique.contains((*it)[1])) << "link to a missing anchor: " << (*it)[1];
  }
  EXPECT_GT(links, static_cast<int>(HelpTopics().size()));  // a table of contents at least

  const std::regex picture(R"re(<img\s[^>]*src\s*=\s*"([^"]+)")re");
  uintmax_t bytes = 0;
  for (std::sregex_iterator it(html_.begin(), html_.end(), picture), end; it != end; ++it) {
    const std::filesystem::path file = folder_ / std::string((*it)[1]);
    ASSERT_TRUE(std::filesystem::is_regular_file(file)) << file;
    bytes += std::filesystem::file_size(file);
  }
  EXPECT_LT(bytes, 1600u * 1024u) << "the pictures of the help are too large";
}

}  // namespace
}  // namespace lumidex
