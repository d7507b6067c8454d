#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "foundation/extension_lists.h"

namespace lumidex {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(HighQualityTypesTest, DotsAndSpacesSeparateLoweredExtensions) {
  EXPECT_THAT(HighQualityTypesFromText(".BMP.png"), ElementsAre(".bmp", ".png"));
  EXPECT_THAT(HighQualityTypesFromText(" .jpg  .Tif "), ElementsAre(".jpg", ".tif"));
}

TEST(HighQualityTypesTest, TextWithoutALeadingDotLosesNothing) {
  EXPECT_THAT(HighQualityTypesFromText("bmp.png"), ElementsAre(".bmp", ".png"));
  EXPECT_THAT(HighQualityTypesFromText("gif"), ElementsAre(".gif"));
}

TEST(HighQualityTypesTest, EmptyPartsAreDropped) {
  EXPECT_THAT(HighQualityTypesFromText("..png..\r\n. ."), ElementsAre(".png"));
  EXPECT_THAT(HighQualityTypesFromText(""), IsEmpty());
}

TEST(ManagedTypesTest, LinesWithoutADotGetOneAndEmptyLinesGo) {
  EXPECT_THAT(ManagedTypesFromLines({"pdf", "", " .Doc ", "  "}), ElementsAre(".pdf", ".Doc"));
}

}  // namespace
}  // namespace lumidex
