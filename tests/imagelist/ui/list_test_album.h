#pragma once

// An album in a temporary home for the image list's window tests: the
// environment, the store with its operations, scripted prompts, and real
// JPEG pictures to show.

#include <QString>
#include <memory>
#include <string>

#include "album/album_fixture.h"
#include "album/album_store.h"
#include "album/page_operations.h"
#include "foundation/app_environment.h"
#include "foundation/text_codec.h"
#include "images/bitmap.h"
#include "images/jpeg_codec.h"
#include "images/thumbnail_cache.h"
#include "images/thumbnail_maker.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/worker_clock.h"
#include "support/temp_home.h"

namespace lumidex::testing {

class ListTestAlbum {
 public:
  ListTestAlbum() {
    auto opened = AppEnvironment::Open(home.path(), "tester", AppEnvironment::Unreadable::kFail, files);
    if (!opened.ok()) qFatal("album: %s", opened.status().message().c_str());
    env = std::move(opened).value();
    ImageContext cellContext;
    cellContext.types = &env->types;
    store = std::make_unique<AlbumStore>(
        env->folders, env->types, *env->pageIndex, *env->lockList, files,
        CellThumbnailRenderer(34, 34, cellContext));
    operations = std::make_unique<PageOperations>(*store, prompts);
    cache = std::make_unique<ThumbnailCache>(env->folders.cacheDir, true);
  }

  std::string PhotoDir() const { return env->folders.photoDir; }
  std::string YearText(const std::string& year) const {
    return DecodeAlbumFile(ReadFile(PhotoDir() + year + ".ini"));
  }

  // A JPEG picture of `width` x `height` in a colour gradient below the home.
  std::string Picture(const std::string& name, int width, int height, int hue) {
    Bitmap bitmap = Bitmap::Create(width, height);
    for (int y = 0; y < height; ++y) {
      uint8_t* row = bitmap.row(y);
      for (int x = 0; x < width; ++x) {
        row[4 * x + 0] = static_cast<uint8_t>((x * 255 / width + hue) & 0xFF);
        row[4 * x + 1] = static_cast<uint8_t>(y * 255 / height);
        row[4 * x + 2] = static_cast<uint8_t>(255 - hue);
        row[4 * x + 3] = 255;
      }
    }
    const std::string path = home.Join("pics/" + name);
    WriteFile(path, EncodeJpeg(bitmap, 90).value());
    return path;
  }

  // A panel over this album, shown at `width` x `height`.
  std::unique_ptr<ImageListPanel> MakePanel(int width = 640, int height = 480) {
    ImageContext context;
    context.types = &env->types;
    auto panel = std::make_unique<ImageListPanel>(*store, *operations, cache.get(), context,
                                                  SteadyWorkerClock());
    panel->resize(width, height);
    return panel;
  }

  TempHome home;
  FailableFileStore files;
  RecordingPrompts prompts;
  std::unique_ptr<AppEnvironment> env;
  std::unique_ptr<AlbumStore> store;
  std::unique_ptr<PageOperations> operations;
  std::unique_ptr<ThumbnailCache> cache;
};

}  // namespace lumidex::testing
