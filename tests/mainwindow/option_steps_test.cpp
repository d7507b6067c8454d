#include "mainwindow/option_steps.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "foundation/extension_lists.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

using testing::TempHome;

// The settings go through the dialog as its controls hold them: the plain
// fields as they are, the others through the text and list forms below.
class OptionStepsTest : public ::testing::Test {
 protected:
  OptionStepsTest() {
    context_.cacheDir = home_.Join("data/jpgdat/");
    std::filesystem::create_directories(context_.cacheDir);
    context_.managedTypes = {".pdf"};
  }

  // OK on the dialog opened on before_, its controls holding `edited`.
  OptionTakeOver Ok(const Settings& edited) { return TakeOverOptions(before_, edited, context_); }

  std::string CacheFolderAfterTyping(const std::string& text) const {
    return EditedCacheFolder(text, context_.cacheDir, before_.wdir);
  }
  std::vector<std::string> ManagedTypesAfterEditing(const std::vector<std::string>& lines) const {
    return EditedManagedTypes(lines, context_.managedTypes, before_.extlist);
  }

  TempHome home_;
  Settings before_;
  OptionContext context_;
};

TEST_F(OptionStepsTest, OkWithoutEditsChangesNothing) {
  Settings edited = before_;
  edited.hispc = HighQualityTypesFromText(HighQualityTypesText(before_.hispc));
  edited.wdir = CacheFolderAfterTyping(CacheFolderText(context_.cacheDir));
  edited.bigsiz = PictureHeightFromText(PictureHeightText(before_.bigsiz), kLargePictureFallback);
  edited.smlsiz = PictureHeightFromText(PictureHeightText(before_.smlsiz), kSmallPictureFallback);
  edited.extlist = ManagedTypesAfterEditing(context_.managedTypes);
  const OptionTakeOver taken = Ok(edited);
  EXPECT_EQ(taken.effects, OptionEffects{});
  EXPECT_EQ(taken.settings, before_);
  EXPECT_TRUE(taken.status.ok());
}

TEST_F(OptionStepsTest, DialogShowsTheFolderThatHoldsTheCacheFolder) {
  EXPECT_EQ(CacheFolderText(context_.cacheDir), home_.Join("data"));
}

TEST_F(OptionStepsTest, HighQualityTypesAreLoweredAndSplitAtDots) {
  Settings edited = before_;
  edited.hispc = HighQualityTypesFromText(".BMP.png");
  const OptionTakeOver taken = Ok(edited);
  EXPECT_EQ(taken.settings.hispc, (std::vector<std::string>{".bmp", ".png"}));
  EXPECT_TRUE(taken.effects.rebuildSummaries);
}

TEST_F(OptionStepsTest, HighQualityTypesShowOnOneLineAndSurviveAnUneditedOk) {
  before_.hispc = {".bmp", ".png"};
  const std::string shown = HighQualityTypesText(before_.hispc);
  EXPECT_EQ(shown, ".bmp.png");
  Settings edited = before_;
  edited.hispc = HighQualityTypesFromText(shown);
  const OptionTakeOver taken = Ok(edited);
  EXPECT_FALSE(taken.effects.rebuildSummaries);
  EXPECT_EQ(taken.settings.hispc, (std::vector<std::string>{".bmp", ".png"}));
}

TEST_F(OptionStepsTest, ManagedTypeWithoutDotGetsOneAndEmptyLinesAreDropped) {
  Settings edited = before_;
  edited.extlist = ManagedTypesAfterEditing({"PDF", "", ".txt"});
  const OptionTakeOver taken = Ok(edited);
  EXPECT_EQ(taken.settings.extlist, (std::vector<std::string>{".pdf", ".txt"}));
  EXPECT_TRUE(taken.effects.managedTypesChanged);
  EXPECT_FALSE(taken.effects.reloadImageList);  // no page is open
}

TEST_F(OptionStepsTest, ManagedTypesShownAgainKeepTheStoredLines) {
  before_.extlist = {"PDF"};  // as stored; in use as ".pdf"
  EXPECT_EQ(ManagedTypesAfterEditing({".pdf"}), before_.extlist);
}

TEST_F(OptionStepsTest, ChangedManagedTypesReloadAnOpenPage) {
  context_.containerOpen = true;
  Settings edited = before_;
  edited.extlist = ManagedTypesAfterEditing({".doc"});
  EXPECT_TRUE(Ok(edited).effects.reloadImageList);
}

TEST_F(OptionStepsTest, CacheUseChangeReloadsAnOpenPage) {
  context_.containerOpen = true;
  Settings edited = before_;
  edited.mem = false;
  const OptionTakeOver taken = Ok(edited);
  EXPECT_TRUE(taken.effects.cacheUseChanged);
  EXPECT_TRUE(taken.effects.reloadImageList);
  EXPECT_FALSE(taken.settings.mem);
}

TEST_F(OptionStepsTest, ChoosingAnExistingFolderMovesTheCacheIntoItsJpgdat) {
  const std::string other = home_.Join("elsewhere");
  std::filesystem::create_directories(other);
  Settings edited = before_;
  edited.wdir = CacheFolderAfterTyping(other);
  const OptionTakeOver taken = Ok(edited);
  EXPECT_TRUE(taken.effects.cacheFolderChanged);
  EXPECT_EQ(taken.settings.wdir, other + "/jpgdat/");
  EXPECT_TRUE(std::filesystem::is_directory(other + "/jpgdat"));
}

TEST_F(OptionStepsTest, ChoosingAMissingFolderLeavesTheCacheWhereItIs) {
  Settings edited = before_;
  edited.wdir = CacheFolderAfterTyping(home_.Join("no/such/folder"));
  const OptionTakeOver taken = Ok(edited);
  EXPECT_FALSE(taken.effects.cacheFolderChanged);
  EXPECT_TRUE(taken.settings.wdir.empty());
  EXPECT_FALSE(std::filesystem::exists(home_.Join("no")));
}

TEST_F(OptionStepsTest, ACacheFolderThatCannotBeMadeIsReportedAndTheCacheStays) {
  const std::string other = home_.Join("elsewhere");
  std::filesystem::create_directories(other);
  std::ofstream(other + "/jpgdat") << "a file where the folder would go";
  Settings edited = before_;
  edited.wdir = CacheFolderAfterTyping(other);
  edited.clrNo = 4;
  const OptionTakeOver taken = Ok(edited);
  EXPECT_FALSE(taken.status.ok());
  EXPECT_EQ(taken.status.message(), "ファイル " + other + "/jpgdat/ を作成できません");
  EXPECT_FALSE(taken.effects.cacheFolderChanged);
  EXPECT_TRUE(taken.settings.wdir.empty());
  // The other settings are taken all the same.
  EXPECT_TRUE(taken.effects.schemeChanged);
  EXPECT_EQ(taken.settings.clrNo, 4);
}

TEST_F(OptionStepsTest, UnchangedCacheFolderIsNotPinnedInTheSettings) {
  // The same folder, typed with a trailing slash.
  Settings edited = before_;
  edited.wdir = CacheFolderAfterTyping(CacheFolderText(context_.cacheDir) + "/");
  const OptionTakeOver taken = Ok(edited);
  EXPECT_FALSE(taken.effects.cacheFolderChanged);
  EXPECT_TRUE(taken.settings.wdir.empty());
}

TEST_F(OptionStepsTest, PictureHeightsFallBackWhenNotAWholeNumberInRange) {
  for (const char* bad : {"", "abc", "12px", "0", "-8", "99999"}) {
    EXPECT_EQ(PictureHeightFromText(bad, kLargePictureFallback), 112) << bad;
    EXPECT_EQ(PictureHeightFromText(bad, kSmallPictureFallback), 56) << bad;
  }
  EXPECT_EQ(PictureHeightFromText("128", 112), 128);
  EXPECT_EQ(PictureHeightText(120), "120");
}

TEST_F(OptionStepsTest, OnlyTheHeightInUseSwitchesThePictureSize) {
  Settings edited = before_;
  edited.smlsiz = PictureHeightFromText("72", kSmallPictureFallback);
  context_.largePicturesShown = true;
  const OptionTakeOver taken = Ok(edited);
  EXPECT_FALSE(taken.effects.pictureHeightChanged);
  EXPECT_EQ(taken.settings.smlsiz, 72);

  edited = before_;
  edited.smlsiz = PictureHeightFromText("40", kSmallPictureFallback);
  context_.largePicturesShown = false;
  EXPECT_TRUE(Ok(edited).effects.pictureHeightChanged);
}

TEST_F(OptionStepsTest, SchemeWeekdayShadowAndBufferChangesAreReported) {
  Settings edited = before_;
  edited.clrNo = 4;
  edited.langfrg = true;
  edited.imgshadow = true;
  edited.doublebuff = true;
  edited.bigico = false;
  const OptionTakeOver taken = Ok(edited);
  EXPECT_TRUE(taken.effects.schemeChanged);
  EXPECT_TRUE(taken.effects.weekdayNamesChanged);
  EXPECT_TRUE(taken.effects.freeLayoutRedraw);
  EXPECT_TRUE(taken.effects.doubleBufferChanged);
  EXPECT_TRUE(taken.effects.rebuildSummaries);
  EXPECT_EQ(taken.settings.clrNo, 4);
  EXPECT_FALSE(taken.settings.bigico);
}

TEST_F(OptionStepsTest, PlainValuesAreCopiedBack) {
  Settings edited = before_;
  edited.monday = true;
  edited.holSw = true;
  edited.dayshadow = true;
  edited.vClose = true;
  edited.alfha = 200;
  edited.gLevel = 3;
  edited.linestyle = 2;
  edited.imgspace = 24;
  edited.tabline = true;
  edited.frame = false;
  edited.scrolframeoff = true;
  edited.delhdd = true;
  edited.printTitle = false;
  edited.printSoftName = false;
  const OptionTakeOver taken = Ok(edited);
  const Settings& s = taken.settings;
  EXPECT_TRUE(s.monday && s.holSw && s.dayshadow && s.vClose && s.tabline && s.scrolframeoff &&
              s.delhdd);
  EXPECT_EQ(s.alfha, 200);
  EXPECT_EQ(s.gLevel, 3);
  EXPECT_EQ(s.linestyle, 2);
  EXPECT_EQ(s.imgspace, 24);
  EXPECT_FALSE(s.frame || s.printTitle || s.printSoftName);
}

}  // namespace
}  // namespace lumidex
