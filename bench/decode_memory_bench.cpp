// bench-libs: lumidex_images lumidex_foundation
// Peak memory of list thumbnails made from pictures whose headers claim a
// huge size.
//   decode_memory_bench write DIR
//     writes eight hostile files into DIR/hostile (headers of 11500 x 11500:
//     progressive JPEGs 4:2:0 and 4:4:4, PNGs with alpha and with a
//     transparent palette entry, a GIF, an interlaced GIF, an icon holding
//     such a PNG and an icon holding a 32-bit bitmap) and eight files each
//     just below the per-picture decode limit into DIR/limit (GIF screens of
//     7900 x 8000).
//   decode_memory_bench run [--jobs N] FILE...
//     makes the 170 x 128 list thumbnail of every file on N threads (default
//     4) and prints how many succeeded, the seconds and the peak resident
//     memory of the process.
// The same files can be given to `lumidex-cli thumbnail --jobs 4` under
// `/usr/bin/time -v`.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "../tests/images/image_fixtures.h"
#include "foundation/data_folders.h"
#include "foundation/file_store.h"
#include "images/thread_pool.h"
#include "images/thumbnail_maker.h"

namespace {

using namespace lumidex;

// A 16 x 16 progressive JPEG whose frame header claims width x height.
std::string HostileJpeg(int width, int height, bool fullChroma) {
  return testing::WithJpegFrameSize(testing::WriteJpeg(16, 16, testing::JpegKind::kProgressive),
                                    width, height, fullChroma);
}

// A 16 x 16 PNG whose header (with a matching checksum) claims width x height.
std::string HostilePng(int width, int height, int colourType, bool transparency) {
  testing::PngOptions options;
  options.colourType = colourType;
  options.transparency = transparency;
  const std::string png =
      testing::WritePng(16, 16, options, [](int x, int y, int) { return (x + y) & 3; });
  return testing::WithPngSize(png, static_cast<uint32_t>(width), static_cast<uint32_t>(height));
}

std::string HostileGif(int width, int height, bool interlaced) {
  std::string gif = testing::MakeGif(width, height, {0xFF0000, 0x00FF00, 0x0000FF, 0}, {1, 2, 3, 1},
                                     -1, 0, 0, 2, 2);
  // The image descriptor's packed byte follows its 9 bytes from 0x2C.
  if (interlaced) gif[gif.find('\x2C', 13) + 9] = 0x40;
  return gif;
}

// A 32-bit icon image header of width x height with four pixels of data.
std::string HostileIconBitmap(int width, int height) {
  std::string dib;
  testing::Put32(dib, 40);
  testing::Put32(dib, static_cast<uint32_t>(width));
  testing::Put32(dib, static_cast<uint32_t>(height * 2));
  testing::Put16(dib, 1);
  testing::Put16(dib, 32);
  for (int i = 0; i < 6; ++i) testing::Put32(dib, 0);
  return dib + std::string(16, '\x7F');
}

int Write(const std::string& dir) {
  constexpr int kHuge = 11500;
  const std::vector<std::pair<std::string, std::string>> hostile = {
      {"progressive-420.jpg", HostileJpeg(kHuge, kHuge, false)},
      {"progressive-444.jpg", HostileJpeg(kHuge, kHuge, true)},
      {"alpha.png", HostilePng(kHuge, kHuge, PNG_COLOR_TYPE_RGB_ALPHA, false)},
      {"palette.png", HostilePng(kHuge, kHuge, PNG_COLOR_TYPE_PALETTE, true)},
      {"screen.gif", HostileGif(kHuge, kHuge, false)},
      {"interlaced.gif", HostileGif(kHuge, kHuge, true)},
      {"png-image.ico",
       testing::MakeIco(HostilePng(kHuge, kHuge, PNG_COLOR_TYPE_RGB_ALPHA, false), 0, 0)},
      {"bitmap-image.ico", testing::MakeIco(HostileIconBitmap(kHuge, kHuge), 0, 0)},
  };
  const std::string base = WithTrailingSlash(dir);
  for (const auto& [name, bytes] : hostile) {
    if (!MakeFolders(base + "hostile/") ||
        !RealFileStore().WriteAtomic(base + "hostile/" + name, bytes).ok()) {
      return 1;
    }
  }
  for (int i = 1; i <= 8; ++i) {
    const std::string path = base + "limit/screen-" + std::to_string(i) + ".gif";
    if (!MakeFolders(base + "limit/") ||
        !RealFileStore().WriteAtomic(path, HostileGif(7900, 8000, false)).ok()) {
      return 1;
    }
  }
  std::printf("wrote %shostile/ (8 files) and %slimit/ (8 files)\n", base.c_str(), base.c_str());
  return 0;
}

int Run(const std::vector<std::string>& args) {
  size_t jobs = 4;
  std::vector<std::string> files;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--jobs" && i + 1 < args.size()) {
      jobs = std::stoul(args[++i]);
    } else {
      files.push_back(args[i]);
    }
  }
  ThreadPool pool(jobs);
  const ImageContext context;
  size_t made = 0;
  const auto start = std::chrono::steady_clock::now();
  const std::function<Result<std::string>(size_t)> produce = [&](size_t i) {
    ThumbnailRequest request;
    request.path = files[i];
    return RenderListThumbnail(request, context);
  };
  const std::function<bool(size_t, Result<std::string> &&)> consume =
      [&](size_t, Result<std::string>&& jpeg) {
        if (jpeg.ok()) ++made;
        return true;
      };
  ForEachInOrder<Result<std::string>>(pool, files.size(), pool.size() * 2, produce, consume);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%zu of %zu thumbnails made on %zu threads in %.2f s, peak resident memory %.0f MB\n",
              made, files.size(), pool.size(), seconds, usage.ru_maxrss / 1024.0);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "write") return Write(args[1]);
  if (!args.empty() && args[0] == "run") return Run({args.begin() + 1, args.end()});
  std::fprintf(stderr, "usage: decode_memory_bench write DIR | run [--jobs N] FILE...\n");
  return 2;
}
