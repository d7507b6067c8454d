#include "mainwindow/option_steps.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_home.h"

namespace lumidex {
namespace {

using testing::TempHome;

class OptionStepsTest : public ::testing::Test {
 protected:
  OptionStepsTest() {
    state_.cacheDir = home_.Join("data/jpgdat/");
    std::filesystem::create_directories(state_.cacheDir);
    state_.managedTypes = {".pdf"};
  }

  // The dialog as it opens on the current state.
  OptionDialogValues Opened() const { return OptionValuesFrom(state_.settings, state_.cacheDir, state_.managedTypes); }

  TempHome home_;
  OptionState state_;
  OptionContext context_;
};

TEST_F(OptionStepsTest, OkWithoutEditsChangesNothing) {
  const OptionState before = state_;
  const OptionEffects effects = ApplyOptions(Opened(), context_, state_);
  EXPECT_EQ(effects, OptionEffects{});
  EXPECT_EQ(state_.settings, before.settings);
  EXPECT_EQ(state_.cacheDir, before.cacheDir);
  EXPECT_EQ(state_.managedTypes, before.managedTypes);
}

TEST_F(OptionStepsTest, DialogShowsTheFolderThatHoldsTheCacheFolder) {
  EXPECT_EQ(Opened().cacheFolder, home_.Join("data"));
}

TEST_F(OptionStepsTest, HighQualityTypesAreLoweredAndSplitAtDots) {
  OptionDialogValues v = Opened();
  v.hispcText = ".BMP.png";
  const OptionEffects effects = ApplyOptions(v, context_, state_);
  EXPECT_EQ(state_.settings.hispc, (std::vector<std::string>{".bmp", ".png"}));
  EXPECT_TRUE(effects.rebuildSummaries);
}

TEST_F(OptionStepsTest, HighQualityTypesShowOnOneLineAndSurviveAnUneditedOk) {
  state_.settings.hispc = {".bmp", ".png"};
  OptionDialogValues v = Opened();
  EXPECT_EQ(v.hispcText, ".bmp.png");
  EXPECT_FALSE(ApplyOptions(v, context_, state_).rebuildSummaries);
  EXPECT_EQ(state_.settings.hispc, (std::vector<std::string>{".bmp", ".png"}));
}

TEST_F(OptionStepsTest, ManagedTypeWithoutDotGetsOneAndEmptyLinesAreDropped) {
  OptionDialogValues v = Opened();
  v.managedTypes = {"PDF", "", ".txt"};
  const OptionEffects effects = ApplyOptions(v, context_, state_);
  EXPECT_EQ(state_.managedTypes, (std::vector<std::string>{".pdf", ".txt"}));
  EXPECT_EQ(state_.settings.extlist, state_.managedTypes);
  EXPECT_TRUE(effects.managedTypesChanged);
  EXPECT_FALSE(effects.reloadImageList);  // no page is open
}

TEST_F(OptionStepsTest, ChangedManagedTypesReloadAnOpenPage) {
  context_.containerOpen = true;
  OptionDialogValues v = Opened();
  v.managedTypes = {".doc"};
  EXPECT_TRUE(ApplyOptions(v, context_, state_).reloadImageList);
}

TEST_F(OptionStepsTest, CacheUseChangeReloadsAnOpenPage) {
  context_.containerOpen = true;
  OptionDialogValues v = Opened();
  v.mem = false;
  const OptionEffects effects = ApplyOptions(v, context_, state_);
  EXPECT_TRUE(effects.cacheUseChanged);
  EXPECT_TRUE(effects.reloadImageList);
  EXPECT_FALSE(state_.settings.mem);
}

TEST_F(OptionStepsTest, ChoosingAnExistingFolderMovesTheCacheIntoItsJpgdat) {
  const std::string other = home_.Join("elsewhere");
  std::filesystem::create_directories(other);
  OptionDialogValues v = Opened();
  v.cacheFolder = other;
  const OptionEffects effects = ApplyOptions(v, context_, state_);
  EXPECT_TRUE(effects.cacheFolderChanged);
  EXPECT_EQ(state_.cacheDir, other + "/jpgdat/");
  EXPECT_EQ(state_.settings.wdir, other + "/jpgdat/");
  EXPECT_TRUE(std::filesystem::is_directory(other + "/jpgdat"));
}

TEST_F(OptionStepsTest, ChoosingAMissingFolderLeavesTheCacheWhereItIs) {
  OptionDialogValues v = Opened();
  v.cacheFolder = home_.Join("no/such/folder");
  const OptionEffects effects = ApplyOptions(v, context_, state_);
  EXPECT_FALSE(effects.cacheFolderChanged);
  EXPECT_EQ(state_.cacheDir, home_.Join("data/jpgdat/"));
  EXPECT_TRUE(state_.settings.wdir.empty());
  EXPECT_FALSE(std::filesystem::exists(home_.Join("no")));
}

TEST_F(OptionStepsTest, UnchangedCacheFolderIsNotPinnedInTheSettings) {
  OptionDialogValues v = Opened();
  v.cacheFolder += "/";  // the same folder, typed with a trailing slash
  EXPECT_FALSE(ApplyOptions(v, context_, state_).cacheFolderChanged);
  EXPECT_TRUE(state_.settings.wdir.empty());
}

TEST_F(OptionStepsTest, PictureHeightsFallBackWhenNotAWholeNumberInRange) {
  for (const char* bad : {"", "abc", "12px", "0", "-8", "99999"}) {
    OptionDialogValues v = Opened();
    v.bigsizText = bad;
    v.smlsizText = bad;
    ApplyOptions(v, context_, state_);
    EXPECT_EQ(state_.settings.bigsiz, 112) << bad;
    EXPECT_EQ(state_.settings.smlsiz, 56) << bad;
  }
  EXPECT_EQ(PictureHeightFromText("128", 112), 128);
}

TEST_F(OptionStepsTest, OnlyTheHeightInUseSwitchesThePictureSize) {
  OptionDialogValues v = Opened();
  v.smlsizText = "72";
  context_.largePicturesShown = true;
  EXPECT_FALSE(ApplyOptions(v, context_, state_).pictureHeightChanged);
  EXPECT_EQ(state_.settings.smlsiz, 72);

  v = Opened();
  v.smlsizText = "40";
  context_.largePicturesShown = false;
  EXPECT_TRUE(ApplyOptions(v, context_, state_).pictureHeightChanged);
}

TEST_F(OptionStepsTest, SchemeWeekdayShadowAndBufferChangesAreReported) {
  OptionDialogValues v = Opened();
  v.clrNo = 4;
  v.langfrg = true;
  v.imgshadow = true;
  v.doublebuff = true;
  v.bigico = false;
  const OptionEffects effects = ApplyOptions(v, context_, state_);
  EXPECT_TRUE(effects.schemeChanged);
  EXPECT_TRUE(effects.weekdayNamesChanged);
  EXPECT_TRUE(effects.freeLayoutRedraw);
  EXPECT_TRUE(effects.doubleBufferChanged);
  EXPECT_TRUE(effects.rebuildSummaries);
  EXPECT_EQ(state_.settings.clrNo, 4);
  EXPECT_FALSE(state_.settings.bigico);
}

TEST_F(OptionStepsTest, PlainValuesAreCopiedBack) {
  OptionDialogValues v = Opened();
  v.monday = true;
  v.holSw = true;
  v.dayshadow = true;
  v.vClose = true;
  v.alfha = 200;
  v.gLevel = 3;
  v.linestyle = 2;
  v.imgspace = 24;
  v.tabline = true;
  v.frame = false;
  v.scrolframeoff = true;
  v.delhdd = true;
  v.printTitle = false;
  v.printSoftName = false;
  ApplyOptions(v, context_, state_);
  const Settings& s = state_.settings;
  EXPECT_TRUE(s.monday && s.holSw && s.dayshadow && s.vClose && s.tabline && s.scrolframeoff && s.delhdd);
  EXPECT_EQ(s.alfha, 200);
  EXPECT_EQ(s.gLevel, 3);
  EXPECT_EQ(s.linestyle, 2);
  EXPECT_EQ(s.imgspace, 24);
  EXPECT_FALSE(s.frame || s.printTitle || s.printSoftName);
}

}  // namespace
}  // namespace lumidex
