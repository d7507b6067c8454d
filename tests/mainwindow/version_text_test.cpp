#include <gtest/gtest.h>

#include <regex>

#include "foundation/app_identity.h"
#include "mainwindow/version_text.h"

namespace lumidex {
namespace {

const std::regex kVersionNumber(R"(\d+(\.\d+)+)");

TEST(VersionTextTest, TheBuildGivesTheProgramAndEveryPictureLibraryAVersionNumber) {
  EXPECT_TRUE(std::regex_match(ProgramVersion(), kVersionNumber)) << ProgramVersion();
  std::vector<std::string> names;
  for (const LibraryVersion& library : PictureLibraryVersions()) {
    names.push_back(library.name);
    EXPECT_TRUE(std::regex_match(library.built, kVersionNumber)) << library.name << " " << library.built;
    if (!library.running.empty()) {
      EXPECT_TRUE(std::regex_match(library.running, kVersionNumber)) << library.name << " " << library.running;
    }
  }
  EXPECT_EQ(names, (std::vector<std::string>{"libjpeg-turbo", "libpng", "giflib", "zlib"}));
}

TEST(VersionTextTest, TheTextNamesTheProgramAndNotesALoadedLibraryThatDiffersFromTheBuild) {
  const std::string text = VersionText("2.3", {{"Qt", "6.4.2", "6.4.3"}, {"libpng", "1.6.39", "1.6.39"},
                                               {"giflib", "5.2.1", ""}});
  EXPECT_EQ(text.rfind(std::string(kAppTitle) + "\n", 0), 0u);
  EXPECT_NE(text.find("バージョン 2.3\n"), std::string::npos);
  EXPECT_NE(text.find("\n  Qt 6.4.3（ビルド時 6.4.2）"), std::string::npos);
  EXPECT_NE(text.find("\n  libpng 1.6.39\n"), std::string::npos);
  EXPECT_NE(text.find("\n  giflib 5.2.1"), std::string::npos);
  EXPECT_EQ(text.find("ビルド時 1.6.39"), std::string::npos);
  EXPECT_LT(text.find("Qt"), text.find("libpng"));
}

}  // namespace
}  // namespace lumidex
