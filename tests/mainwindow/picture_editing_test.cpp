#include "mainwindow/picture_editing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <set>

#include "support/temp_home.h"

namespace lumidex {
namespace {

class PictureEditingTest : public ::testing::Test {
 protected:
  std::function<bool(const std::string&)> Existing() {
    return [this](const std::string& path) { return files_.contains(path); };
  }
  std::set<std::string> files_ = {"/photos/a.jpg", "/photos/cover.png"};
};

TEST_F(PictureEditingTest, ThePictureIsTheSelectedFileOrInThePageListTheSelectedPagesCover) {
  EXPECT_EQ(PictureToEdit({false, "/photos/a.jpg", ""}, Existing()), "/photos/a.jpg");
  // In the page list the page's cover, not the "mm/dd" line.
  EXPECT_EQ(PictureToEdit({true, "03/15", "/photos/cover.png"}, Existing()), "/photos/cover.png");
  // Nothing is started for a missing file, a sub-album, a page without cover
  // or no selection.
  EXPECT_EQ(PictureToEdit({false, "/photos/gone.jpg", ""}, Existing()), "");
  EXPECT_EQ(PictureToEdit({true, "03/15", "/photos/gone.png"}, Existing()), "");
  EXPECT_EQ(PictureToEdit({false, "@03/15trip", "/photos/cover.png"}, Existing()), "");
  EXPECT_EQ(PictureToEdit({true, "03/15", ""}, Existing()), "");
  EXPECT_EQ(PictureToEdit({false, "", "/photos/cover.png"}, Existing()), "");
}

TEST_F(PictureEditingTest, TheToolIsTheSettingWhenItRunsAndPaintIsTheDesktopsPaintProgram) {
  testing::TempHome home;
  const std::string bin = home.path() + "/bin";
  ::mkdir(bin.c_str(), 0755);
  for (const char* name : {"mtpaint", "retouch"}) {
    testing::WriteFile(bin + "/" + name, "#!/bin/sh\n");
    ::chmod((bin + "/" + name).c_str(), 0755);
  }
  EXPECT_EQ(EditorProgram(EditorChoice::kTool, bin + "/retouch", bin), bin + "/retouch");
  EXPECT_EQ(EditorProgram(EditorChoice::kPaint, bin + "/retouch", bin), bin + "/mtpaint");
  // A tool that is gone falls back to the paint program.
  EXPECT_EQ(EditorProgram(EditorChoice::kTool, bin + "/gone", bin), bin + "/mtpaint");
  EXPECT_EQ(EditorProgram(EditorChoice::kPaint, "", home.path() + "/none"), "");
}

TEST_F(PictureEditingTest, AQuickExitIsAHandOffAndOnlyRealChangesOfAWatchedFileRenewIt) {
  EXPECT_EQ(OnEditorEnded(kEditorHandOffMs - 1), EditorEnd::kRenewAndWatch);
  EXPECT_EQ(OnEditorEnded(kEditorHandOffMs + 5000), EditorEnd::kRenew);

  EditedFileWatch watch;
  watch.Watch("/photos/a.jpg", {100, 5000});
  EXPECT_TRUE(watch.Watches("/photos/a.jpg"));
  EXPECT_FALSE(watch.Changed("/photos/a.jpg", {100, 5000}));  // touched, same file
  EXPECT_FALSE(watch.Changed("/photos/a.jpg", {-1, -1}));     // replaced: missing for a moment
  EXPECT_TRUE(watch.Changed("/photos/a.jpg", {200, 5100}));
  EXPECT_FALSE(watch.Changed("/photos/a.jpg", {200, 5100}));  // the second report of one save
  EXPECT_TRUE(watch.Changed("/photos/a.jpg", {200, 4000}));   // same second, other size
  EXPECT_FALSE(watch.Changed("/photos/b.jpg", {300, 1}));     // not watched
  watch.Watch("/photos/a.jpg", {900, 1});                     // watched again: renewed, not doubled
  EXPECT_EQ(watch.size(), 1u);
  EXPECT_FALSE(watch.Changed("/photos/a.jpg", {900, 1}));
  watch.Forget("/photos/a.jpg");
  EXPECT_FALSE(watch.Changed("/photos/a.jpg", {1000, 1}));
}

}  // namespace
}  // namespace lumidex
