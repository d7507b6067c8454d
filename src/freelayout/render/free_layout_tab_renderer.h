#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "freelayout/free_layout_item.h"
#include "freelayout/free_picture.h"
#include "images/bitmap.h"
#include "images/thread_pool.h"

namespace lumidex {

// One drawn tab: the canvas and what could not be drawn on it.
struct TabDrawing {
  Bitmap canvas;
  // One message per item left out (a text whose size does not read).
  std::vector<std::string> problems;
};

// Draws the items of a free layout tab onto one canvas bitmap, each where
// its layout units put it on a canvas of that size, in stacking order (the
// first at the bottom), as the view and the command line show a tab.
//
// Keeps the bitmaps of the items it drew last, keyed by what decides their
// pixels (picture path or text, pixel size, flags, rotation): drawing the
// same tab again at the same size reads no file, and after a resize only
// the items whose pixel size changed are drawn again. Items it did not draw
// in the last call are dropped, so the cache holds one tab. Pictures that
// must be drawn are decoded on a pool of worker threads.
//
// Not thread-safe: one owner calls it (the window's main thread, or a
// command).
class FreeLayoutTabRenderer {
 public:
  // `reader` must outlive the renderer and be safe on `threads` threads.
  explicit FreeLayoutTabRenderer(const FreePictureReader& reader, size_t threads = 2);
  FreeLayoutTabRenderer(const FreeLayoutTabRenderer&) = delete;
  FreeLayoutTabRenderer& operator=(const FreeLayoutTabRenderer&) = delete;

  const FreePictureLook& look() const { return look_; }
  // A look other than the current one drops every kept item bitmap.
  void SetLook(const FreePictureLook& look);

  // `items` on a width x height canvas filled with the page colour (the
  // colour scheme's light colour). Texts and pictures with a clear
  // background let the canvas show where their bitmap has its background
  // colour; selected items carry their selection mark. An empty canvas for
  // a size below 1. REQUIRES: a QGuiApplication exists (texts need fonts).
  TabDrawing Render(const std::vector<FreeLayoutItem>& items, int width, int height);

  // How many item bitmaps are kept.
  size_t keptItems() const { return kept_.size(); }

 private:
  // What an item's bitmap depends on, besides the look.
  struct Key {
    bool text = false;
    std::string value;
    int width = 0;
    int height = 0;
    int flags = 0;
    int rotation = 0;
    bool operator<(const Key& other) const {
      return std::tie(text, value, width, height, flags, rotation) <
             std::tie(other.text, other.value, other.width, other.height, other.flags,
                      other.rotation);
    }
  };
  struct DrawnItem {
    Bitmap bitmap;
    Colour transparentColour = kWhite;
    std::string problem;  // not drawn, and why
    // A missing file's placeholder whose text is still to be written (on
    // the owner's thread: fonts).
    bool placeholderText = false;
  };
  using Kept = std::map<Key, std::shared_ptr<const DrawnItem>>;

  std::shared_ptr<const DrawnItem> DrawText(const FreeLayoutItem& item, int width, int height) const;
  void Compose(Bitmap& canvas, const FreeLayoutItem& item, const DrawnItem& drawn, int left,
               int top) const;

  const FreePictureReader& reader_;
  FreePictureLook look_;
  Kept kept_;
  ThreadPool pool_;
};

}  // namespace lumidex
