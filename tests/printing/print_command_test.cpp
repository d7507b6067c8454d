#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "images/image_fixtures.h"
#include "printing/print_geometry.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

using testing::RunCli;

// Output of a poppler tool run on `pdf`.
std::string Poppler(const std::string& tool, const std::string& pdf) {
  std::string output;
  FILE* pipe = popen((tool + " '" + pdf + "' 2>&1").c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  pclose(pipe);
  return output;
}

std::string InfoField(const std::string& info, const std::string& name) {
  std::smatch match;
  const std::regex line(name + ":\\s*([^\\n]*)");
  return std::regex_search(info, match, line) ? match[1].str() : std::string();
}

// Pixel sizes (width, height) of the images `pdfimages -list` names.
std::vector<std::pair<int, int>> ImageSizes(const std::string& pdf) {
  std::vector<std::pair<int, int>> sizes;
  const std::string list = Poppler("pdfimages -list", pdf);
  const std::regex row("\\n\\s*\\d+\\s+\\d+\\s+image\\s+(\\d+)\\s+(\\d+)");
  for (auto it = std::sregex_iterator(list.begin(), list.end(), row); it != std::sregex_iterator();
       ++it) {
    sizes.emplace_back(std::stoi((*it)[1]), std::stoi((*it)[2]));
  }
  return sizes;
}

class PrintCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 5; ++i) {
      pictures_.push_back(home_.Join("pics/p" + std::to_string(i) + ".jpg"));
      testing::WriteFile(pictures_.back(), testing::WriteJpeg(i % 2 ? 300 : 400, i % 2 ? 400 : 300));
    }
  }
  std::vector<std::string> Args(std::vector<std::string> options) {
    options.insert(options.end(), pictures_.begin(), pictures_.end());
    return options;
  }
  testing::TempHome home_;
  std::vector<std::string> pictures_;
};

TEST_F(PrintCommandTest, PagesAndPaperOfTheJobReachThePdf) {
  const std::string pdf = home_.Join("grid.pdf");
  auto run = RunCli(Args({"print", "--layout", "2", "--uses", "2", "--pdf", pdf}));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string info = Poppler("pdfinfo", pdf);
  EXPECT_EQ(InfoField(info, "Pages"), "3") << info;  // 10 entries at 4 a sheet
  EXPECT_EQ(InfoField(info, "Page size").rfind("595 x 842", 0), 0u) << info;
  EXPECT_EQ(ImageSizes(pdf).size(), 10u);

  const std::string wide = home_.Join("wide.pdf");
  ASSERT_EQ(RunCli(Args({"print", "--landscape", "--paper", "A5", "--pdf", wide})).exitCode, 0);
  const std::string wideInfo = Poppler("pdfinfo", wide);
  EXPECT_EQ(InfoField(wideInfo, "Pages"), "5");
  EXPECT_EQ(InfoField(wideInfo, "Page size").rfind("595 x 420", 0), 0u) << wideInfo;
}

TEST_F(PrintCommandTest, PhotoPrintsAreEmbeddedAtTheirSizeInDevicePixels) {
  for (const auto& path : pictures_) testing::WriteFile(path, testing::WriteJpeg(3200, 2400));
  const std::string pdf = home_.Join("l.pdf");
  auto run = RunCli(Args({"print", "--size", "L", "--crop", "--dpi", "200", "--pdf", pdf}));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(InfoField(Poppler("pdfinfo", pdf), "Pages"), "2");  // four turned L prints a sheet
  const auto sizes = ImageSizes(pdf);
  ASSERT_EQ(sizes.size(), 5u);
  // Decoded at the print's device size (never a thumbnail, never the whole
  // picture) and cut to the cell's shape.
  const int cellW = MmToDots(89, 200);
  const int cellH = MmToDots(127, 200);
  for (auto [width, height] : sizes) {
    if (width > height) std::swap(width, height);  // embedded in the file's orientation
    EXPECT_GE(width, cellW);
    EXPECT_LE(width * 3, cellW * 4);
    EXPECT_GE(height, cellH);
    EXPECT_LE(height * 3, cellH * 4);
    EXPECT_NEAR(static_cast<double>(width) / height, static_cast<double>(cellW) / cellH, 0.01);
  }
}

TEST_F(PrintCommandTest, MissingPicturesAreNamedAndUnwritableFoldersRefused) {
  const std::string pdf = home_.Join("some.pdf");
  auto run = RunCli({"print", "--pdf", pdf, pictures_[0], home_.Join("gone.jpg")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("gone.jpg"), std::string::npos);
  EXPECT_EQ(InfoField(Poppler("pdfinfo", pdf), "Pages"), "1");

  auto refused = RunCli({"print", "--pdf", home_.Join("no/such/folder/x.pdf"), pictures_[0]});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("PDF"), std::string::npos);
  EXPECT_EQ(RunCli({"print", "--layout", "11", "--pdf", pdf, pictures_[0]}).exitCode, 2);
  EXPECT_EQ(RunCli({"print", "--pdf", pdf, home_.Join("gone.jpg")}).exitCode, 1);
}

TEST_F(PrintCommandTest, ADayPrintsThePicturesOfItsPage) {
  ASSERT_EQ(RunCli({"add", "2024/05/03", pictures_[0], pictures_[1], pictures_[2]}).exitCode, 0);
  const std::string pdf = home_.Join("day.pdf");
  auto run = RunCli({"print", "--layout", "1", "--pdf", pdf, "2024/05/03"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(InfoField(Poppler("pdfinfo", pdf), "Pages"), "2");
  EXPECT_EQ(ImageSizes(pdf).size(), 3u);
}

}  // namespace
}  // namespace lumidex
