#include "mainwindow/help_topic.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

TEST(HelpTopicTest, FreeLayoutWinsEvenWhenTheCalendarHasTheFocus) {
  HelpContext c;
  c.freeLayoutDown = true;
  c.calendarHasFocus = true;
  EXPECT_EQ(HelpTopicFor(c), "FreeAlb");
}

TEST(HelpTopicTest, FocusedViewChoosesTheTopic) {
  HelpContext calendar;
  calendar.calendarHasFocus = true;
  EXPECT_EQ(HelpTopicFor(calendar), "Clend");

  HelpContext list;
  list.imageListHasFocus = true;
  EXPECT_EQ(HelpTopicFor(list), "GrpOnList");

  HelpContext albums;
  albums.albumListHasFocus = true;
  EXPECT_EQ(HelpTopicFor(albums), "AllAlbum");
}

TEST(HelpTopicTest, CalendarComesBeforeTheImageListAndTheAlbumList) {
  HelpContext c;
  c.calendarHasFocus = true;
  c.imageListHasFocus = true;
  c.albumListHasFocus = true;
  EXPECT_EQ(HelpTopicFor(c), "Clend");
  c.calendarHasFocus = false;
  EXPECT_EQ(HelpTopicFor(c), "GrpOnList");
}

TEST(HelpTopicTest, NothingInFrontGivesNoTopic) { EXPECT_TRUE(HelpTopicFor(HelpContext{}).empty()); }

TEST(HelpTopicTest, EachOptionTabHasItsOwnTopic) {
  EXPECT_EQ(OptionHelpTopic(OptionTab::kCalendar), "Option");
  EXPECT_EQ(OptionHelpTopic(OptionTab::kPictures), "Option-GrpOn");
  EXPECT_EQ(OptionHelpTopic(OptionTab::kOtherFiles), "Option-2");
  EXPECT_EQ(OptionHelpTopic(OptionTab::kFreeLayout), "Option-Free");
  EXPECT_EQ(OptionHelpTopic(OptionTab::kPrinting), "Printer2");
}

}  // namespace
}  // namespace lumidex
