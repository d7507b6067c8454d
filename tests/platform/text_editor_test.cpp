#include "platform/text_editor.h"

#include <gtest/gtest.h>

#include <set>

namespace lumidex::platform {
namespace {

// Finds the programs of `installed` in /usr/bin.
ProgramFinder Installed(std::set<std::string> installed) {
  return [installed](std::string_view name) {
    return installed.contains(std::string(name)) ? "/usr/bin/" + std::string(name) : std::string();
  };
}

TEST(TextEditorTest, TheDesktopOpenerComesBeforeTheEditorVariables) {
  const auto call =
      TextEditorCall("/a/祝日.txt", "gvim -f", "nano", Installed({"xdg-open", "gvim", "nano"}));
  ASSERT_TRUE(call);
  EXPECT_EQ(*call, (ProgramCall{"/usr/bin/xdg-open", {"/a/祝日.txt"}}));
}

TEST(TextEditorTest, WithoutTheOpenerVisualThenEditorIsRunWithItsOptionsBeforeTheFile) {
  auto call = TextEditorCall("/a/h.txt", "  gvim   -f ", "nano", Installed({"gvim", "nano"}));
  ASSERT_TRUE(call);
  EXPECT_EQ(*call, (ProgramCall{"/usr/bin/gvim", {"-f", "/a/h.txt"}}));
  // A $VISUAL that cannot be run gives way to $EDITOR.
  call = TextEditorCall("/a/h.txt", "gvim -f", "nano", Installed({"nano"}));
  ASSERT_TRUE(call);
  EXPECT_EQ(*call, (ProgramCall{"/usr/bin/nano", {"/a/h.txt"}}));
}

TEST(TextEditorTest, NothingRunnableGivesNoCall) {
  EXPECT_FALSE(TextEditorCall("/a/h.txt", "", " ", Installed({"nano"})));
  EXPECT_FALSE(TextEditorCall("/a/h.txt", "gvim", "nano", Installed({})));
}

}  // namespace
}  // namespace lumidex::platform
