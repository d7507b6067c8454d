#include "mainwindow/scheme_assignments.h"

#include <gtest/gtest.h>

#include <optional>

namespace lumidex {
namespace {

// The colour a control ends up with for a role (the last assignment wins).
std::optional<Colour> Final(const std::vector<ControlColour>& all, std::string_view control, ColourRole role) {
  std::optional<Colour> found;
  for (const ControlColour& c : all) {
    if (c.control == control && c.role == role) found = c.colour;
  }
  return found;
}

class SchemeAssignmentsTest : public ::testing::Test {
 protected:
  const ColourScheme& scheme_ = ColourSchemeFor(3);
  std::vector<ControlColour> all_ = SchemeAssignments(scheme_);
};

TEST_F(SchemeAssignmentsTest, PanelsTakeTheirStripRows) {
  EXPECT_EQ(Final(all_, "NamePanel", ColourRole::kBackground), scheme_.Row(39));
  EXPECT_EQ(Final(all_, "Splitter2", ColourRole::kBackground), scheme_.Row(39));
  EXPECT_EQ(Final(all_, "Panel14", ColourRole::kBackground), scheme_.Row(39));
  EXPECT_EQ(Final(all_, "Panel13", ColourRole::kBackground), scheme_.Row(37));
  EXPECT_EQ(Final(all_, "Panel2", ColourRole::kBackground), scheme_.Row(35));
  EXPECT_EQ(Final(all_, "Panel2", ColourRole::kText), scheme_.Row(42));
  EXPECT_EQ(Final(all_, "Splitter1", ColourRole::kBackground), scheme_.Row(35));
}

TEST_F(SchemeAssignmentsTest, StatusBarProgressBarAndFreeLayoutTakeTheDarkBand) {
  EXPECT_EQ(Final(all_, "StatusBar1", ColourRole::kBackground), scheme_.Row(28));
  EXPECT_EQ(Final(all_, "ProgressBar1", ColourRole::kBar), scheme_.Row(28));
  EXPECT_EQ(Final(all_, "ProgressBar1", ColourRole::kBackground), scheme_.Row(39));
  EXPECT_EQ(Final(all_, "FreeAlbumPanel", ColourRole::kBackground), scheme_.Row(28));
}

TEST_F(SchemeAssignmentsTest, ListsAndMonthPanelTakeTheLightColour) {
  for (std::string_view name : {"FreePanel", "Panel18", "Panel8", "ComboBox2", "ListView1", "ListView3", "TreeView1"}) {
    EXPECT_EQ(Final(all_, name, ColourRole::kBackground), scheme_.light) << name;
  }
  EXPECT_EQ(Final(all_, "Panel8", ColourRole::kText), scheme_.Row(35));
  EXPECT_EQ(Final(all_, "ComboBox2", ColourRole::kText), scheme_.Row(35));
}

TEST_F(SchemeAssignmentsTest, AccentColoursTextsAndTodayPanelTakesTheBottomBarColour) {
  for (std::string_view name : {"Label3", "Panel4", "StaticText2", "CheckBox2", "CheckBox5"}) {
    EXPECT_EQ(Final(all_, name, ColourRole::kText), scheme_.accentColour()) << name;
  }
  EXPECT_EQ(Final(all_, "Panel19", ColourRole::kBackground), scheme_.accentColour());
  EXPECT_EQ(Final(all_, "Panel4", ColourRole::kBackground), scheme_.Row(35));
}

TEST_F(SchemeAssignmentsTest, MusicButtonTakesTheButtonColourFirst) {
  ASSERT_FALSE(all_.empty());
  EXPECT_EQ(all_.front(), (ControlColour{"MugPlayBtn", ColourRole::kBackground, scheme_.button}));
}

TEST_F(SchemeAssignmentsTest, DifferentSchemesGiveDifferentColours) {
  const auto gray = SchemeAssignments(ColourSchemeFor(0));
  EXPECT_NE(Final(gray, "StatusBar1", ColourRole::kBackground), Final(all_, "StatusBar1", ColourRole::kBackground));
}

}  // namespace
}  // namespace lumidex
