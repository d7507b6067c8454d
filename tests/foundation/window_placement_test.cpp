#include "foundation/window_placement.h"

#include <gtest/gtest.h>

#include "foundation/registry_data.h"
#include "foundation/settings_store.h"
#include "support/fake_file_store.h"

namespace lumidex {
namespace {

TEST(WindowPlacementTest, KeepsThePlaceBesideTheSettingsAndLeavesThemAlone) {
  testing::FakeFileStore files;
  SettingsStore store("/config/settings.reg", files);
  ASSERT_TRUE(store.SetValue(RegistryValue::Dword("clr-no", 3)).ok());
  EXPECT_EQ(LoadWindowPlacement(store), WindowPlacement{});

  WindowPlacement placement;
  placement.geometry = WindowPlacement::Geometry{-20, 40, 1280, 800};
  placement.maximized = true;
  placement.splitter = 612;
  placement.smallPictures = true;
  ASSERT_TRUE(StoreWindowPlacement(store, placement).ok());
  EXPECT_EQ(LoadWindowPlacement(store), placement);

  // A later exit without a splitter width (the page side was wide) keeps
  // the width stored before.
  WindowPlacement wide = placement;
  wide.splitter.reset();
  wide.maximized = false;
  ASSERT_TRUE(StoreWindowPlacement(store, wide).ok());
  EXPECT_EQ(LoadWindowPlacement(store).splitter, 612);
  EXPECT_FALSE(LoadWindowPlacement(store).maximized);

  const RegistryData data = store.Read().value();
  const RegistryKey* settings = data.FindKey(kSettingsKeyPath);
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(settings->values.size(), 1u);
  EXPECT_EQ(settings->Find("clr-no")->number, 3u);
}

TEST(WindowPlacementTest, DamagedOrPartialValuesAreLeftOut) {
  testing::FakeFileStore files;
  SettingsStore store("/config/settings.reg", files);
  ASSERT_TRUE(store
                  .Update([](RegistryData& data) {
                    RegistryKey& key = data.CreateKey(kWindowKeyPath);
                    key.Set(RegistryValue::Dword("left", 10));
                    key.Set(RegistryValue::Dword("top", 10));
                    key.Set(RegistryValue::Dword("width", 0));  // no window is 0 wide
                    key.Set(RegistryValue::Dword("height", 600));
                    key.Set(RegistryValue::String("splitter", "300"));
                    key.Set(RegistryValue::Dword("smallpictures", 7));
                  })
                  .ok());
  EXPECT_EQ(LoadWindowPlacement(store), WindowPlacement{});

  files.failReads = true;
  EXPECT_EQ(LoadWindowPlacement(store), WindowPlacement{});
  EXPECT_FALSE(StoreWindowPlacement(store, WindowPlacement{}).ok());
}

}  // namespace
}  // namespace lumidex
