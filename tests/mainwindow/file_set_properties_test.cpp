#include "mainwindow/file_set_properties.h"

#include <gtest/gtest.h>

#include <map>

namespace lumidex {
namespace {

TEST(FileSetPropertiesTest, MissingFilesAndFilesOfAnotherFolderThanTheFirstExistingOneAreDropped) {
  const std::map<std::string, int64_t> disk = {{"/p/2024/a.jpg", 1000},
                                               {"/p/2024/b.JPG", 2500},
                                               {"/p/2025/c.jpg", 70},
                                               {"/p/2024/notes.txt", 30},
                                               {"/p/2024/sub/d.png", 5}};
  const auto isFile = [&](const std::string& path) { return disk.contains(path); };
  const std::vector<std::string> files =
      PropertyFiles({"/p/gone/x.jpg", "/p/2024/a.jpg", "/p/2025/c.jpg", "/p/2024/sub/d.png",
                     "/p/2024/b.JPG", "/p/2024/a.jpg", "/p/2024/notes.txt"},
                    isFile);
  EXPECT_EQ(files,
            (std::vector<std::string>{"/p/2024/a.jpg", "/p/2024/b.JPG", "/p/2024/notes.txt"}));
  EXPECT_TRUE(PropertyFiles({"/p/gone/x.jpg"}, isFile).empty());
}

TEST(FileSetPropertiesTest, SizesAreSummedAndTypesCountedUnderJapaneseCaptions) {
  const std::map<std::string, int64_t> disk = {{"/p/a.jpg", 1000},
                                               {"/p/b.JPEG", 2500},
                                               {"/p/c.png", 300},
                                               {"/p/d.xyz", 7},
                                               {"/p/README", 11}};
  const auto sizeOf = [&](const std::string& path) -> int64_t {
    auto found = disk.find(path);
    return found == disk.end() ? -1 : found->second;
  };
  const FileSetProperties summary = SummariseFiles(
      {"/p/a.jpg", "/p/c.png", "/p/b.JPEG", "/p/d.xyz", "/p/README", "/p/locked.jpg"}, sizeOf);
  EXPECT_EQ(summary.folder, "/p");
  EXPECT_EQ(summary.count, 6u);
  EXPECT_EQ(summary.totalBytes, 1000u + 2500u + 300u + 7u + 11u);
  EXPECT_EQ(summary.unreadable, 1u);
  EXPECT_EQ(summary.types,
            (std::vector<TypeCount>{
                {"JPEG 画像", 3}, {"PNG 画像", 1}, {"XYZ ファイル", 1}, {"ファイル", 1}}));
  EXPECT_EQ(SummariseFiles({}, sizeOf).count, 0u);
}

}  // namespace
}  // namespace lumidex
