#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "freelayout/free_picture.h"
#include "images/jpeg_codec.h"
#include "images/shell_images.h"

namespace lumidex::testing {

// Pictures held in memory under made-up paths: each a plain colour of its
// own size. Counts the loads and remembers the boxes asked for, so tests see
// what was read and at which scale. Thread-safe.
class FakePictureReader : public FreePictureReader {
 public:
  void Add(const std::string& path, int width, int height, Colour colour) {
    pictures_[path] = {width, height, colour};
  }
  // A thumbnail of the disk cache for `path`, a plain colour.
  void AddCached(const std::string& path, int width, int height, Colour colour) {
    Bitmap bitmap = Bitmap::Create(width, height);
    bitmap.Fill(colour);
    cached_[path] = EncodeJpeg(bitmap, 100).value();
  }

  bool Exists(const std::string& path) const override { return pictures_.count(path) > 0; }
  std::optional<std::string> CachedThumbnail(const std::string& path) const override {
    const auto found = cached_.find(path);
    if (found == cached_.end()) return std::nullopt;
    ++reads_;
    return found->second;
  }
  Result<CardPicture> Load(const CardPictureRequest& request) const override {
    ++reads_;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      lastBox_[request.path] = {request.boxWidth, request.boxHeight};
    }
    const auto found = pictures_.find(request.path);
    if (found == pictures_.end()) return Status::Error("ファイル は開けません");
    Bitmap bitmap = Bitmap::Create(found->second.width, found->second.height);
    bitmap.Fill(found->second.colour);
    return CardPicture{std::move(bitmap), found->second.width, found->second.height};
  }
  const ShellImages& shell() const override { return NoShellImages(); }

  int reads() const { return reads_; }
  ItemPixelSize lastBox(const std::string& path) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto found = lastBox_.find(path);
    return found == lastBox_.end() ? ItemPixelSize{} : found->second;
  }

 private:
  struct Picture {
    int width, height;
    Colour colour;
  };
  std::map<std::string, Picture> pictures_;
  std::map<std::string, std::string> cached_;
  mutable std::atomic<int> reads_{0};
  mutable std::mutex mutex_;
  mutable std::map<std::string, ItemPixelSize> lastBox_;
};

}  // namespace lumidex::testing
