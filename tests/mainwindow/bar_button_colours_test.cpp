#include "mainwindow/bar_button_colours.h"

#include <gtest/gtest.h>

#include "mainwindow/colour_scheme.h"

namespace lumidex {
namespace {

TEST(BarButtonColoursTest, LabelsStayReadableOnHoveredAndDownFacesInEveryScheme) {
  for (int n = 0; n < kSchemeCount; ++n) {
    const ColourScheme& scheme = ColourSchemeFor(n);
    // The bars' labels: white on the calendar bar's strip, the light colour
    // on the page side's bars, the bottom bar and the picture view bar.
    const Colour bars[][2] = {{scheme.Row(16), kWhite},
                              {scheme.Row(37), scheme.light},
                              {scheme.Row(35), scheme.light},
                              {scheme.Row(39), scheme.light}};
    for (const auto& [background, text] : bars) {
      const BarButtonColours c = BarButtonColoursFor(scheme, background, text);
      SCOPED_TRACE(testing::Message()
                   << "scheme " << n << " background " << std::hex << background);
      EXPECT_GE(ContrastRatio(c.text, c.hoverFace), 4.5);
      EXPECT_GE(ContrastRatio(c.text, c.downFace), 4.5);
      EXPECT_NE(c.hoverFace, c.downFace);
      // A disabled label is dimmer than an enabled one, yet still there.
      EXPECT_LT(ContrastRatio(c.disabledText, background), ContrastRatio(c.text, background));
      EXPECT_GT(ContrastRatio(c.disabledText, background), 1.5);
    }
  }
}

}  // namespace
}  // namespace lumidex
