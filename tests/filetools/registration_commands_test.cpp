#include "filetools/registration_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "album/registration_fixture.h"
#include "filetools/folder_search.h"
#include "filetools_fixture.h"

namespace lumidex::testing {
namespace {

using ::testing::ElementsAre;

class RegistrationCommandsTest : public RegistrationTest {
 protected:
  RecordingProgress progress;
};

TEST_F(RegistrationCommandsTest, PastingIntoAnOpenPageAppendsInClipboardOrder) {
  OpenSample();
  const std::string z = Picture("q/z.jpg");
  const std::string c = Picture("q/c.jpg");
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  ASSERT_TRUE(PasteEntries(*store, *reg, {z, c}, IncomingKind::kPaths, "").ok());
  EXPECT_THAT(store->Lines(),
              ElementsAre(a + "=思い出", b + "=", "@03/15旅行=旅", z + "=", c + "="));
}

TEST_F(RegistrationCommandsTest, PastingFromThePageListSortsTheWholePage) {
  OpenSample();
  const std::string z = Picture("q/z.jpg");
  const std::string c = Picture("q/c.jpg");
  ASSERT_TRUE(PasteEntries(*store, *reg, {z, c}, IncomingKind::kPaths, "03/15").ok());
  EXPECT_THAT(store->yearDocument().SectionLines("03/15"),
              ElementsAre(a + "=思い出", b + "=", c + "=", z + "=", "@03/15旅行=旅"));
}

TEST_F(RegistrationCommandsTest, ADropOnAnEmptySpotOfThePageListAddsNothing) {
  OpenSample();
  const DropAction action = RouteDrop({DropControl::kPageList, "", false, false});
  auto added = DropFiles(*store, *reg, action, {a});
  ASSERT_TRUE(added.ok());
  EXPECT_EQ(added.value().added(), 0);
  EXPECT_FALSE(store->yearDocument().HasSection(""));
}

TEST_F(RegistrationCommandsTest, ADropOnADayWhileAPageIsOpenGoesIntoThatPage) {
  OpenSample();
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  const std::string c = Picture("q/c.jpg");
  const DropAction action = RouteDrop({DropControl::kCalendar, "07/07", true, false});
  ASSERT_TRUE(DropFiles(*store, *reg, action, {c}).ok());
  EXPECT_EQ(store->Lines().back(), c + "=");
  EXPECT_FALSE(store->pageIndex().HasKey("DATA", "07/07"));
}

TEST_F(RegistrationCommandsTest, AFolderSearchCountsThenAddsThePictures) {
  OpenSample();
  const std::string c = Picture("f/c.jpg");
  const std::string d = Picture("f/sub/d.gif");
  Picture("f/e.txt");
  auto outcome = AddFromFolder(*store, *reg, {home.Join("pics/f"), true, false}, "04/04", progress);
  ASSERT_TRUE(outcome.ok());
  EXPECT_EQ(progress.total, 3);
  EXPECT_EQ(outcome.value().found, 2);
  EXPECT_EQ(outcome.value().tally.files, 2);
  EXPECT_THAT(store->yearDocument().SectionLines("04/04"), ElementsAre(c + "=", d + "="));
}

TEST_F(RegistrationCommandsTest, AFolderSearchListsTheFoldersOnceSoStepsNeverPassTheCount) {
  OpenSample();
  const std::string c = Picture("f/c.jpg");
  const std::string d = Picture("f/sub/d.jpg");
  progress.onStep = [&](int done) {
    if (done == 1) Picture("f/sub/late.jpg");
  };
  auto outcome = AddFromFolder(*store, *reg, {home.Join("pics/f"), true, false}, "04/04", progress);
  ASSERT_TRUE(outcome.ok());
  EXPECT_EQ(progress.total, 2);
  EXPECT_THAT(progress.items, ElementsAre(c, d));
  EXPECT_THAT(store->yearDocument().SectionLines("04/04"), ElementsAre(c + "=", d + "="));
}

TEST_F(RegistrationCommandsTest, AStoppedFolderSearchAddsNothing) {
  OpenSample();
  Picture("f/c.jpg");
  Picture("f/d.jpg");
  progress.stopAt = 1;
  auto outcome = AddFromFolder(*store, *reg, {home.Join("pics/f"), true, false}, "04/04", progress);
  ASSERT_TRUE(outcome.ok());
  EXPECT_TRUE(outcome.value().stopped);
  EXPECT_FALSE(store->yearDocument().HasSection("04/04"));
  EXPECT_TRUE(progress.ended);
}

TEST_F(RegistrationCommandsTest, TheSharedFolderSearchSkipsHiddenNamesUnlessAsked) {
  OpenSample();
  const std::string c = Picture("h/c.jpg");
  const std::string h = Picture("h/.x/h.jpg");
  EXPECT_THAT(SearchFolder(home.Join("pics/h"), env->types, true, false), ElementsAre(c));
  EXPECT_THAT(SearchFolder(home.Join("pics/h"), env->types, true, true), ElementsAre(c, h));
}

}  // namespace
}  // namespace lumidex::testing
