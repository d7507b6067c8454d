// bench-libs: lumidex_images lumidex_foundation
// Speed and memory of the actual-size view, each figure beside its
// reference:
//   (a) a zoom step on a 24-megapixel picture (6000 x 4000) drawn into a
//       1200 x 800 view: layout, pan and the zoomed drawing, for each of
//       the eight steps in (goal: under 50 ms a step), beside a plain copy
//       of the view's bytes;
//   (b) the in-place blur of a 12-megapixel picture (4000 x 3000) at levels
//       1 and 4, beside a plain copy of the same picture;
//   (c) a 100-megapixel JPEG (12000 x 8400) read for the view: the size of
//       the copy and the peak memory of the process (goal: under 1 GB).
// Usage: actual_size_bench [DIR]  (the JPEG is written into DIR, default
// /tmp). Prints figures; asserts nothing.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "bench_timing.h"
#include "images/actual_copy.h"
#include "images/actual_size.h"
#include "images/block_blur.h"
#include "images/jpeg_codec.h"
#include "foundation/file_store.h"

using namespace lumidex;
using lumidex::bench::Best;

namespace {

Bitmap Pattern(int width, int height) {
  Bitmap bitmap = Bitmap::Create(width, height);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = bitmap.row(y);
    for (int x = 0; x < width; ++x) {
      row[x * 4] = static_cast<uint8_t>(x * 7 + y);
      row[x * 4 + 1] = static_cast<uint8_t>(x ^ y);
      row[x * 4 + 2] = static_cast<uint8_t>(y * 3);
      row[x * 4 + 3] = 255;
    }
  }
  return bitmap;
}

long PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : "/tmp";
  {
    const Bitmap copy = Pattern(6000, 4000);
    const PixelSize region{1200, 800};
    Bitmap view;
    double worst = 0;
    for (int step = 1; step <= kMaxZoomStep; ++step) {
      const double ms = Best(5, [&] {
        const PixelSize size = LayoutZoomed({copy.width(), copy.height()}, step, region);
        view = Bitmap::Create(size.width, size.height);
        const ZoomView zoom{size, step, PanAfterZoom({size, step, {2000, 1500}}, {6000, 4000}, region)};
        DrawZoomed(copy, zoom, kWhite, view);
      });
      worst = std::max(worst, ms);
    }
    const double plain = Best(5, [&] { Bitmap c = view.Clone(); });
    std::printf("(a) zoom step, 24 MP into 1200 x 800: worst of 8 steps %.2f ms (goal < 50 ms); "
                "plain copy of the view %.2f ms\n", worst, plain);
  }
  {
    const Bitmap picture = Pattern(4000, 3000);
    const double plain = Best(3, [&] { Bitmap c = picture.Clone(); });
    for (const int level : {1, 4}) {
      Bitmap work;
      const double ms = Best(3, [&] {
        work = picture.Clone();
        Blur(work, level);
      });
      std::printf("(b) blur of 12 MP, level %d: %.1f ms (copy included); plain copy %.1f ms (%.1fx)\n", level, ms,
                  plain, ms / plain);
    }
  }
  {
    const std::string path = dir + "/actual_size_bench_100mp.jpg";
    // Written by a child, so its 400 MB source does not count in this
    // process's peak.
    const pid_t child = fork();
    if (child == 0) {
      const Bitmap big = Pattern(12000, 8400);
      Result<std::string> jpeg = EncodeJpeg(big, 90);
      if (!jpeg.ok() || !RealFileStore().WriteAtomic(path, jpeg.value()).ok()) _exit(1);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    const long before = PeakMegabytes();
    const auto start = lumidex::bench::Clock::now();
    Result<Bitmap> copy = LoadActualCopy(path, kWhite);
    const double ms = lumidex::bench::Ms(lumidex::bench::Clock::now() - start);
    if (copy.ok()) {
      std::printf("(c) 100 MP JPEG: copy %d x %d in %.0f ms; peak memory %ld MB (before %ld MB; goal < 1024 MB)\n",
                  copy.value().width(), copy.value().height(), ms, PeakMegabytes(), before);
    } else {
      std::printf("(c) 100 MP JPEG: %s\n", copy.status().message().c_str());
    }
    unlink(path.c_str());
  }
  return 0;
}
