// bench-libs: lumidex_freelayout_render lumidex_freelayout lumidex_images lumidex_foundation Qt6::Gui
// Speed of drawing a free layout tab, each figure beside its reference:
//   a tab of 30 pictures, each a 12-megapixel camera JPEG (4000 x 3000,
//   quality 90), drawn on a canvas 1200 pixels wide
//   (a) cold, by a new renderer that has nothing kept, beside decoding the
//       30 pictures alone at the scale the drawing uses, on both cores
//       (goal: within 1.3 times);
//   (b) warm, drawn again at the same size (goal: under 30 ms).
// Usage: free_layout_bench [DIR]  (the JPEGs are written into DIR, default a
// new folder below /tmp, removed at the end). Prints figures; asserts nothing.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "foundation/file_paths.h"
#include "freelayout/free_picture.h"
#include "freelayout/layout_units.h"
#include "freelayout/render/free_layout_tab_renderer.h"
#include "images/jpeg_codec.h"
#include "images/picture_loader.h"
#include "images/shell_images.h"
#include "images/thread_pool.h"

namespace {

using namespace lumidex;

constexpr int kPictures = 30;
constexpr int kCanvasWidth = 1200;
constexpr int kColumns = 6;

// A camera-like picture: smooth colour ramps with fine detail, so the
// encoder keeps a realistic amount of data.
std::string CameraJpeg() {
  Bitmap bitmap = Bitmap::Create(4000, 3000);
  for (int y = 0; y < 3000; ++y) {
    uint8_t* row = bitmap.row(y);
    for (int x = 0; x < 4000; ++x) {
      row[4 * x] = static_cast<uint8_t>(x * 255 / 4000);
      row[4 * x + 1] = static_cast<uint8_t>(y * 255 / 3000);
      row[4 * x + 2] = static_cast<uint8_t>((x ^ y) & 0x3F) + 96;
      row[4 * x + 3] = 255;
    }
  }
  return EncodeJpeg(bitmap, 90).value();
}

std::vector<FreeLayoutItem> Tab(const std::vector<std::string>& paths) {
  std::vector<FreeLayoutItem> items;
  const int rows = (kPictures + kColumns - 1) / kColumns;
  for (int i = 0; i < kPictures; ++i) {
    FreeLayoutItem item;
    item.x = (i % kColumns) * (kLayoutUnitsWide / kColumns);
    item.y = (i / kColumns) * (kLayoutUnitsHigh / rows);
    item.width = kLayoutUnitsWide / kColumns - 4;
    item.height = kLayoutUnitsHigh / rows - 4;
    item.value = paths[static_cast<size_t>(i)];
    items.push_back(item);
  }
  return items;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const bench::WorkFolder folder(argc, argv, "free_layout_bench");
  const std::string& dir = folder.path();
  const std::string jpeg = CameraJpeg();
  std::vector<std::string> paths;
  for (int i = 0; i < kPictures; ++i) {
    paths.push_back(dir + "/photo" + std::to_string(i) + ".jpg");
    if (!RealFileStore().WriteAtomic(paths.back(), jpeg).ok()) {
      std::fprintf(stderr, "cannot write %s\n", paths.back().c_str());
      return 1;
    }
  }
  const std::vector<FreeLayoutItem> items = Tab(paths);
  const int height = kCanvasWidth / 2;
  const auto reader = MakeFilePictureReader(nullptr, NoShellImages());
  FreePictureLook look;
  look.highQuality = true;

  // The reference: the same files decoded at the scale the drawing picks
  // (the smallest that covers each picture's area), two at a time.
  const LayoutScale scale(kCanvasWidth, height);
  ThreadPool pool(2);
  const double decodeOnly = bench::Best(3, [&] {
    std::vector<std::future<int>> done;
    for (const FreeLayoutItem& item : items) {
      const CanvasRect rect = ItemPixelRect(item, scale);
      const PixelBox area = PictureArea(rect.width, rect.height, look.imgshadow);
      done.push_back(pool.Submit([&item, area] {
        JpegDecodeOptions options;
        options.coverWidth = area.width();
        options.coverHeight = area.height();
        return LoadPicture(item.value, options).value().width();
      }));
    }
    for (auto& d : done) d.get();
  });

  const double cold = bench::Best(3, [&] {
    FreeLayoutTabRenderer renderer(*reader);
    renderer.SetLook(look);
    if (renderer.Render(items, kCanvasWidth, height).canvas.empty()) std::abort();
  });
  FreeLayoutTabRenderer renderer(*reader);
  renderer.SetLook(look);
  (void)renderer.Render(items, kCanvasWidth, height);
  const double warm = bench::Best(10, [&] {
    if (renderer.Render(items, kCanvasWidth, height).canvas.empty()) std::abort();
  });

  std::printf("free layout tab: %d pictures of 4000 x 3000 on a %d x %d canvas\n", kPictures,
              kCanvasWidth, height);
  std::printf("  %-44s %9.1f ms\n", "decoding alone at the drawn scale (2 cores)", decodeOnly);
  std::printf("  %-44s %9.1f ms  (%.2fx the decoding; goal within 1.3x)\n", "cold draw", cold,
              cold / decodeOnly);
  std::printf("  %-44s %9.1f ms  (goal under 30 ms)\n", "warm redraw, same size", warm);
  return 0;
}
