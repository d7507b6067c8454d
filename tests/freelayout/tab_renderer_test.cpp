#include "freelayout/render/free_layout_tab_renderer.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

#include "freelayout/layout_units.h"
#include "freelayout/render/text_item.h"
#include "freelayout/text_spec.h"
#include "picture_fixtures.h"

namespace lumidex {
namespace {

constexpr Colour kPage = 0xC0D0FF;  // red 0xFF: an add of 1 would carry into green
constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;

FreeLayoutItem Item(int x, int y, int width, int height, std::string value, int flags = 0) {
  FreeLayoutItem item;
  item.x = x;
  item.y = y;
  item.width = width;
  item.height = height;
  item.value = std::move(value);
  item.SetFlags(flags);
  return item;
}

std::string Text(const TextSpec& textSpec) { return FormatTextSpec(textSpec); }

class TabRendererTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QGuiApplication::instance() == nullptr) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
      static int argc = 1;
      static char name[] = "freelayout_tests";
      static char* argv[] = {name, nullptr};
      static QGuiApplication app(argc, argv);
    }
  }
  TabRendererTest() {
    reader_.Add("/p/red.jpg", 400, 300, kRed);
    reader_.Add("/p/blue.png", 300, 300, kBlue);
    look_.pageColour = kPage;
    renderer_.SetLook(look_);
  }

  testing::FakePictureReader reader_;
  FreePictureLook look_;
  FreeLayoutTabRenderer renderer_{reader_};
};

// Fills the box (left, top) - (right, bottom), right and bottom exclusive.
void Fill(Bitmap& bitmap, int left, int top, int right, int bottom, Colour colour) {
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) bitmap.SetPixel(x, y, OpaquePixel(colour));
  }
}

TEST_F(TabRendererTest, DrawsEveryItemWhereItsUnitsPutItInStackingOrder) {
  TextSpec box;
  box.backColour = kPage;  // the box must stay visible on the page
  box.frameColour = 0x008000;
  box.text = "AB";
  std::vector<FreeLayoutItem> items = {
      Item(20, 20, 200, 100, "/p/red.jpg"),
      Item(150, 60, 100, 100, "/p/blue.png", 4),  // clear background, over the red
      Item(300, 40, 160, 60, Text(box), 2),       // framed
      Item(500, 200, 120, 80, "/gone/photo.jpg"),
  };
  items[1].selected = true;
  const int width = 1000;
  const int height = 500;
  const TabDrawing drawing = renderer_.Render(items, width, height);
  ASSERT_TRUE(drawing.problems.empty());
  ASSERT_EQ(drawing.canvas.width(), width);

  // The reference, drawn from the same items by the rules of the view.
  const LayoutScale scale(width, height);
  Bitmap expected = Bitmap::Create(width, height);
  expected.Fill(kPage);
  const CanvasRect red = ItemPixelRect(items[0], scale);
  Fill(expected, red.left, red.top, red.left + red.width, red.top + red.height, kWhite);
  Fill(expected, red.left + 5, red.top + 5, red.left + red.width - 5, red.top + red.height - 5, kRed);
  // Clear background: its white border shows what lies below.
  const CanvasRect blue = ItemPixelRect(items[1], scale);
  Fill(expected, blue.left + 5, blue.top + 5, blue.left + blue.width - 5, blue.top + blue.height - 5,
       kBlue);
  for (int x = 0; x < blue.width - 1; ++x) expected.SetPixel(blue.left + x, blue.top, OpaquePixel(kBlue));
  for (int y = 1; y < blue.height - 1; ++y) expected.SetPixel(blue.left, blue.top + y, OpaquePixel(kBlue));
  const CanvasRect text = ItemPixelRect(items[2], scale);
  Fill(expected, text.left + 1, text.top + 1, text.left + text.width - 1, text.top + text.height - 1,
       0x008000);
  Fill(expected, text.left + 2, text.top + 2, text.left + text.width - 2, text.top + text.height - 2,
       kPage ^ 1);
  const CanvasRect gone = ItemPixelRect(items[3], scale);
  Fill(expected, gone.left, gone.top, gone.left + gone.width, gone.top + gone.height, kWhite);
  Fill(expected, gone.left + 5, gone.top + 5, gone.left + gone.width - 5, gone.top + gone.height - 5,
       look_.buttonFace);

  // Text (anti-aliased) may differ in the text areas and the blue item's
  // dash-dot edges; everything else must match exactly.
  const auto inside = [](const CanvasRect& r, int x, int y, int l, int t, int rr, int b) {
    return x >= r.left + l && x < r.left + r.width - rr && y >= r.top + t && y < r.top + r.height - b;
  };
  const PixelBox area = TextArea(ParseTextSpec(items[2].value).value(), text.width, text.height);
  int compared = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (inside(text, x, y, area.left, area.top, text.width - area.right, text.height - area.bottom) ||
          inside(gone, x, y, 10, 10, 5, 5) ||
          (inside(blue, x, y, 0, 0, 0, 0) && !inside(blue, x, y, 1, 1, 1, 1) &&
           (x == blue.left + blue.width - 1 || y == blue.top + blue.height - 1))) {
        continue;
      }
      ASSERT_EQ(drawing.canvas.PixelAt(x, y) & 0xFFFFFF, expected.PixelAt(x, y) & 0xFFFFFF)
          << "at " << x << ", " << y;
      ++compared;
    }
  }
  EXPECT_GT(compared, width * height * 9 / 10);
  // The text and the placeholder's text were written.
  int dark = 0;
  for (int y = gone.top + 10; y < gone.top + gone.height - 5; ++y) {
    for (int x = gone.left + 10; x < gone.left + gone.width - 5; ++x) {
      dark += (drawing.canvas.PixelAt(x, y) & 0xFF) < 0x80 ? 1 : 0;
    }
  }
  EXPECT_GT(dark, 10);
}

TEST_F(TabRendererTest, RedrawingAtTheSameSizeReadsNoFileAndAResizeOnlyWhatChangedSize) {
  // 50 units keep their 50 pixels from 730 to 740 pixels across; 100 do not.
  const std::vector<FreeLayoutItem> items = {Item(0, 0, 50, 50, "/p/red.jpg"),
                                             Item(100, 100, 100, 50, "/p/blue.png")};
  const TabDrawing first = renderer_.Render(items, 730, 364);
  EXPECT_EQ(reader_.reads(), 2);
  const TabDrawing again = renderer_.Render(items, 730, 364);
  EXPECT_EQ(reader_.reads(), 2);
  ASSERT_EQ(std::memcmp(first.canvas.data(), again.canvas.data(), first.canvas.stride() * 364), 0);
  renderer_.Render(items, 740, 364);
  EXPECT_EQ(reader_.reads(), 3);
  EXPECT_EQ(renderer_.keptItems(), 2u);
  // Another look draws everything again.
  look_.imgshadow = true;
  renderer_.SetLook(look_);
  renderer_.Render(items, 740, 364);
  EXPECT_EQ(reader_.reads(), 5);
}

// The box of pixels in `area` that are neither `box` nor the page colour.
PixelBox InkBox(const Bitmap& bitmap, Colour box) {
  PixelBox ink{bitmap.width(), bitmap.height(), 0, 0};
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) {
      const uint32_t p = bitmap.PixelAt(x, y) & 0xFFFFFF;
      if (p == (OpaquePixel(box) & 0xFFFFFF)) continue;
      ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
             std::max(ink.bottom, y + 1)};
    }
  }
  return ink;
}

TEST_F(TabRendererTest, TextBoxLinesCentringAndShadow) {
  TextSpec textSpec;
  textSpec.fontSize = 12;
  textSpec.centred = 5;
  textSpec.text = "中央";
  EXPECT_TRUE(IsSingleCentredLine(textSpec));
  EXPECT_EQ(TextArea(textSpec, 200, 60), (PixelBox{5, 3, 195, 57}));
  textSpec.text = "中央\r\n";  // a line break: no single-line centring
  EXPECT_FALSE(IsSingleCentredLine(textSpec));
  EXPECT_EQ(TextArea(textSpec, 200, 60), (PixelBox{5, 5, 195, 57}));
  textSpec.margin = 12;
  EXPECT_EQ(TextArea(textSpec, 200, 60), (PixelBox{12, 12, 195, 57}));
  EXPECT_EQ(VisibleBoxColour(kPage, kPage), 0xC0D0FEu);
  EXPECT_EQ(VisibleBoxColour(kWhite, kPage), kWhite);

  // The shadow is the text moved one pixel right and down: the ink grows by
  // one pixel at the right and bottom only.
  textSpec = TextSpec();
  textSpec.fontSize = 20;
  textSpec.text = "影の文字 shadow text that wraps";
  FreeLayoutItem item = Item(0, 0, 0, 0, Text(textSpec));
  const Bitmap plain = DrawTextItem(item, textSpec, {220, 120}, look_);
  item.textShadow = true;
  const Bitmap shadowed = DrawTextItem(item, textSpec, {220, 120}, look_);
  // The box without frame: inside (2, 2) - (w - 2, h - 2) only text differs.
  Bitmap plainInside = Bitmap::Create(216, 116);
  Bitmap shadowInside = Bitmap::Create(216, 116);
  for (int y = 0; y < 116; ++y) {
    for (int x = 0; x < 216; ++x) {
      plainInside.SetPixel(x, y, plain.PixelAt(x + 2, y + 2));
      shadowInside.SetPixel(x, y, shadowed.PixelAt(x + 2, y + 2));
    }
  }
  const PixelBox ink = InkBox(plainInside, kWhite);
  const PixelBox withShadow = InkBox(shadowInside, kWhite);
  ASSERT_LT(ink.left, ink.right);
  EXPECT_EQ(withShadow, (PixelBox{ink.left, ink.top, ink.right + 1, ink.bottom + 1}));
  EXPECT_GT(ink.bottom - ink.top, 40);  // wrapped onto more than one line
}

}  // namespace
}  // namespace lumidex
