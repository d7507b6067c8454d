#include "calendar/cell_style.h"

#include <gtest/gtest.h>

#include <vector>

#include "calendar/cell_geometry.h"
#include "calendar/cell_pixels.h"

namespace lumidex {
namespace {

namespace cc = cell_colours;

// A plain day of the shown month (August 2014), not today, in the loaded
// year, column 3 (Tuesday), grid focused.
DayCellFacts PlainDay(std::string_view text = "2014/08/05@0") {
  DayCellFacts f;
  f.cellText = text;
  f.column = 3;
  f.row = 2;
  f.shownMonth = 8;
  f.shownYear = 2014;
  f.loadedYear = "2014";
  f.today = "2014/08/20";
  f.selectedRow = 4;
  f.selectedCol = 4;
  return f;
}

TEST(CellColoursTest, BackgroundFollowsTheColumnAndTheMonth) {
  DayCellFacts f = PlainDay();
  EXPECT_EQ(DecideDayCellColours(f).background, cc::kWeekdayShownMonth);
  f.column = 1;
  EXPECT_EQ(DecideDayCellColours(f).background, cc::kSunday);
  f.column = 7;
  EXPECT_EQ(DecideDayCellColours(f).background, cc::kSaturday);
  f = PlainDay("2014/07/29@0");
  EXPECT_EQ(DecideDayCellColours(f).background, Blend(kWhite, kWhite, 60));
}

TEST(CellColoursTest, HolidayOnSaturdayPaintsHolidayBackgroundButKeepsABlueNumber) {
  DayCellFacts f = PlainDay("2014/08/09@0");
  f.column = 7;
  f.hasLabel = true;
  f.labelKind = DayKind::kHoliday;
  const DayCellColours c = DecideDayCellColours(f);
  EXPECT_EQ(c.background, cc::kHoliday);
  EXPECT_EQ(c.number, cc::kBlue);
  EXPECT_EQ(c.label, cc::kRed);
  f.labelKind = DayKind::kEvent;
  EXPECT_EQ(DecideDayCellColours(f).background, cc::kEvent);
  EXPECT_EQ(DecideDayCellColours(f).label, cc::kEventLabel);
  f.labelKind = DayKind::kOther;
  EXPECT_EQ(DecideDayCellColours(f).background, cc::kOther);
  EXPECT_EQ(DecideDayCellColours(f).label, cc::kBlue);
}

TEST(CellColoursTest, TodayWinsOverAHolidayButNotOverAnotherYear) {
  DayCellFacts f = PlainDay("2014/08/20@0");
  f.hasLabel = true;
  EXPECT_EQ(DecideDayCellColours(f).background, cc::kToday);
  // January 2015 shown and loaded, today a December cell of 2014.
  DayCellFacts g = PlainDay("2014/12/30@0");
  g.shownMonth = 1;
  g.shownYear = 2015;
  g.loadedYear = "2015";
  g.today = "2014/12/30";
  EXPECT_EQ(DecideDayCellColours(g).background, cc::kOutsideLoadedYear);
}

TEST(CellColoursTest, PreviousMonthSundayIsPaleWithAGreyNumberAndNoShadow) {
  DayCellFacts f = PlainDay("2014/07/27@0");
  f.column = 1;
  const DayCellColours c = DecideDayCellColours(f);
  EXPECT_EQ(c.background, Blend(cc::kSunday, kWhite, 60));
  EXPECT_EQ(c.number, cc::kOtherMonthNumber);
  EXPECT_FALSE(c.numberShadow.has_value());
}

TEST(CellColoursTest, NumberShadowsDependOnTheNumberColour) {
  DayCellFacts f = PlainDay();
  EXPECT_EQ(DecideDayCellColours(f).numberShadow, Blend(cc::kWeekdayShadowBase, kWhite, 90));
  f.column = 1;
  EXPECT_EQ(DecideDayCellColours(f).numberShadow, Blend(cc::kRed, kWhite, 90));
  f.selected = true;
  const DayCellColours c = DecideDayCellColours(f);
  EXPECT_EQ(c.background, cc::kSelection);
  EXPECT_EQ(c.number, kWhite);
  EXPECT_EQ(c.numberShadow, cc::kSelectedShadow);
  EXPECT_FALSE(c.drawBorders);
  EXPECT_EQ(c.label, kWhite);
  EXPECT_EQ(c.todayMark, kWhite);
}

TEST(CellColoursTest, RememberedCellLooksSelectedWhileTheGridHasNoFocus) {
  DayCellFacts f = PlainDay();
  f.selectedRow = f.row;
  f.selectedCol = f.column;
  EXPECT_EQ(DecideDayCellColours(f).background, cc::kWeekdayShownMonth);
  f.gridHasFocus = false;
  EXPECT_EQ(DecideDayCellColours(f).background, cc::kSelection);
  EXPECT_EQ(DecideDayCellColours(f).number, kWhite);
}

TEST(CellColoursTest, NumberLabelAndTodayMarkOnTheSelectionColourAreWhite) {
  for (const bool focused : {true, false}) {
    for (const int column : {1, 4, 7}) {
      for (const DayKind kind : {DayKind::kHoliday, DayKind::kEvent, DayKind::kOther}) {
        DayCellFacts f = PlainDay("2014/08/20@0");  // today
        f.column = column;
        f.hasLabel = true;
        f.labelKind = kind;
        f.gridHasFocus = focused;
        f.selected = focused;
        f.selectedRow = f.row;
        f.selectedCol = f.column;
        const DayCellColours c = DecideDayCellColours(f);
        SCOPED_TRACE(testing::Message() << "focused " << focused << " column " << column);
        EXPECT_EQ(c.background, cc::kSelection);
        EXPECT_EQ(c.number, kWhite);
        EXPECT_EQ(c.numberShadow, cc::kSelectedShadow);
        EXPECT_EQ(c.label, kWhite);
        EXPECT_FALSE(c.labelUnderPrint);
        EXPECT_EQ(c.todayMark, kWhite);
      }
    }
  }
  EXPECT_TRUE(DecideDayCellColours(PlainDay()).labelUnderPrint);
}

TEST(CellColoursTest, BorderPenTakes48OffEachChannelWithoutBorrowing) {
  EXPECT_EQ(BorderPenColour(FromRgbHex(0xFFFFAC)), FromRgbHex(0xCFCF7C));
  // Red 0x00 stays 0 and does not take from green.
  EXPECT_EQ(BorderPenColour(FromRgbHex(0x00509F)), FromRgbHex(0x00206F));
  EXPECT_EQ(BorderPenColour(FromRgbHex(0x102030)), FromRgbHex(0x000000));
  DayCellFacts f = PlainDay();
  EXPECT_EQ(DecideDayCellColours(f).borderPen, FromRgbHex(0xCFCF7C));
}

TEST(CellColoursTest, LabelAndStripShadowsMixWithTheFill) {
  const DayCellColours c = DecideDayCellColours(PlainDay());
  EXPECT_EQ(c.labelUnder, Blend(cc::kWeekdayShownMonth, kWhite, 100));
  EXPECT_EQ(c.stripShadowTop, Blend(kBlack, cc::kWeekdayShownMonth, 50));
  EXPECT_EQ(c.stripShadowBottom, Blend(kBlack, cc::kWeekdayShownMonth, 120));
}

TEST(CellTextTest, DayNumberAndCellYear) {
  EXPECT_EQ(DayNumberText("2014/08/02@0", false), "2");
  EXPECT_EQ(DayNumberText("2014/08/12@0", false), "12");
  EXPECT_EQ(DayNumberText("2014/08/02@0", true), "08/02");
  EXPECT_EQ(CellYear("2014/08/02@0", 2000), 2014);
  EXPECT_EQ(CellYear("1899/08/02@0", 2000), 2000);
  EXPECT_EQ(CellYear("xx14/08/02@0", 2000), 2000);
  EXPECT_EQ(WeekdayHeaderName(1, false), "日");
  EXPECT_EQ(WeekdayHeaderName(7, true), "Sat");
}

TEST(CellGeometryTest, PictureAreaSitsBelowTheStripAndShrinksInTallCells) {
  EXPECT_EQ(PictureAreaOf(100, 80), (PictureArea{16, 100, 63}));
  // Taller than wide: the area becomes W - 16 high and moves down.
  const PictureArea tall = PictureAreaOf(60, 120);
  EXPECT_EQ(tall.height, 60 - 16);
  EXPECT_EQ(tall.top + tall.height, 120 - 1);
  EXPECT_EQ(CellPictureSize(101, 81), (PictureSize{100, 64}));
  EXPECT_EQ(CellPictureSize(61, 121), (PictureSize{60, 43}));
  EXPECT_EQ(PageMarkPosition(100, false), (MarkPosition{83, 1}));
  EXPECT_EQ(PageMarkPosition(100, true), (MarkPosition{83, 3}));
}

TEST(CellGeometryTest, DateStripIsTheTopSixteenPixelsStrictlyInside) {
  EXPECT_TRUE(IsOnDateStrip(5, 15, 100));
  EXPECT_FALSE(IsOnDateStrip(5, 16, 100));
  EXPECT_FALSE(IsOnDateStrip(0, 5, 100));
  EXPECT_FALSE(IsOnDateStrip(100, 5, 100));
  EXPECT_FALSE(IsOnDateStrip(5, 0, 100));
  EXPECT_EQ(DayColumnWidth(26 + 7 * 90 + 6), 90);
  EXPECT_EQ(DayRowHeight(28 + 6 * 70 + 5), 70);
}

struct Pixels {
  std::vector<std::uint8_t> bytes;
  BgraPixels view;
  Pixels(int width, int height) : bytes(static_cast<size_t>(width * height * 4), 0) {
    view = BgraPixels{bytes.data(), width, height, static_cast<size_t>(width) * 4};
  }
  void Set(int x, int y, int r, int g, int b) {
    std::uint8_t* p = view.row(y) + 4 * x;
    p[0] = static_cast<std::uint8_t>(b), p[1] = static_cast<std::uint8_t>(g),
    p[2] = static_cast<std::uint8_t>(r), p[3] = 255;
  }
  Colour At(int x, int y) const {
    const std::uint8_t* p = view.row(y) + 4 * x;
    return RgbColour(p[2], p[1], p[0]);
  }
};

TEST(CellPixelsTest, FadeKeepsItsShareOfThePictureOverTheColour) {
  Pixels pic(2, 1);
  pic.Set(0, 0, 0, 0, 0);
  pic.Set(1, 0, 0x9A, 0xFF, 0x10);
  Fade(pic.view, kWhite, 100);
  EXPECT_EQ(pic.At(0, 0), RgbColour(255 + ((-255 * 100) >> 8), 255 + ((-255 * 100) >> 8),
                                    255 + ((-255 * 100) >> 8)));
  EXPECT_EQ(pic.At(1, 0), Blend(RgbColour(0x9A, 0xFF, 0x10), kWhite, 100));
  EXPECT_EQ(pic.view.row(0)[3], 255);  // alpha untouched
}

TEST(CellPixelsTest, WhiteEdgesOfEachRowBecomeTheFill) {
  const Colour fill = FromRgbHex(0xFFFFAC);
  Pixels pic(6, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 6; ++x) pic.Set(x, y, 250, 240, 237);
  // Row 0: a dark pixel in the middle; row 1: all near-white; row 2: a
  // pixel just below the threshold at the left edge.
  pic.Set(3, 0, 10, 10, 10);
  pic.Set(0, 2, 236, 255, 255);
  ReplaceWhiteEdges(pic.view, fill);
  EXPECT_EQ(pic.At(0, 0), fill);
  EXPECT_EQ(pic.At(2, 0), fill);
  EXPECT_EQ(pic.At(3, 0), RgbColour(10, 10, 10));
  EXPECT_EQ(pic.At(4, 0), fill);
  EXPECT_EQ(pic.At(5, 0), fill);
  for (int x = 0; x < 6; ++x) EXPECT_EQ(pic.At(x, 1), fill);
  EXPECT_EQ(pic.At(0, 2), RgbColour(236, 255, 255));
  EXPECT_EQ(pic.At(1, 2), fill);  // reached from the right edge
  EXPECT_EQ(pic.At(5, 2), fill);
}

}  // namespace
}  // namespace lumidex
