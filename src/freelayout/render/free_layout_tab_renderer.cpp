#include "freelayout/render/free_layout_tab_renderer.h"

#include <cstring>
#include <future>

#include "freelayout/layout_units.h"
#include "freelayout/render/selection_mark.h"
#include "freelayout/render/text_item.h"
#include "freelayout/text_spec.h"

namespace lumidex {
namespace {

bool SameLook(const FreePictureLook& a, const FreePictureLook& b) {
  return a.imgshadow == b.imgshadow && a.highQuality == b.highQuality &&
         a.rotationAllowed == b.rotationAllowed && a.printing == b.printing &&
         a.pageColour == b.pageColour && a.buttonFace == b.buttonFace &&
         a.highQualityTypes == b.highQualityTypes &&
         a.types.ManagedTypes() == b.types.ManagedTypes();
}

}  // namespace

FreeLayoutTabRenderer::FreeLayoutTabRenderer(const FreePictureReader& reader, size_t threads)
    : reader_(reader), pool_(threads) {}

void FreeLayoutTabRenderer::SetLook(const FreePictureLook& look) {
  if (SameLook(look, look_)) return;
  look_ = look;
  kept_.clear();
}

std::shared_ptr<const FreeLayoutTabRenderer::DrawnItem> FreeLayoutTabRenderer::DrawText(
    const FreeLayoutItem& item, int width, int height) const {
  auto drawn = std::make_shared<DrawnItem>();
  Result<TextSpec> textSpec = ParseTextSpec(item.value);
  if (!textSpec.ok()) {
    drawn->problem = textSpec.status().message();
    return drawn;
  }
  drawn->bitmap = DrawTextItem(item, textSpec.value(), {width, height}, look_);
  drawn->transparentColour = look_.pageColour;
  return drawn;
}

TabDrawing FreeLayoutTabRenderer::Render(const std::vector<FreeLayoutItem>& items, int width,
                                         int height) {
  TabDrawing drawing;
  drawing.canvas = Bitmap::Create(width, height);
  if (drawing.canvas.empty()) return drawing;
  drawing.canvas.Fill(look_.pageColour);
  const LayoutScale scale(width, height);

  // Which bitmap every item shows: kept ones at once, pictures to draw on
  // the pool, texts here (fonts belong to this thread).
  Kept used;
  std::vector<Key> keys;
  std::vector<std::pair<Key, std::future<std::shared_ptr<DrawnItem>>>> pending;
  const FreePictureLook look = look_;
  for (const FreeLayoutItem& item : items) {
    const CanvasRect rect = ItemPixelRect(item, scale);
    Key key{!IsPicturePathValue(item.value), item.value, rect.width, rect.height, item.Flags(),
            item.rotation};
    keys.push_back(key);
    if (used.count(key) > 0) continue;
    if (const auto found = kept_.find(key); found != kept_.end()) {
      used.emplace(key, found->second);
      continue;
    }
    if (key.text) {
      used.emplace(key, DrawText(item, rect.width, rect.height));
      continue;
    }
    used.emplace(key, nullptr);
    const ItemPixelSize size{rect.width, rect.height};
    pending.emplace_back(key, pool_.Submit([this, item, size, look] {
      // A first drawing: the size last drawn is one less, as for an item
      // just loaded, so a picture that keeps its proportions takes its
      // height from its width.
      PictureItemBitmap picture = DrawPictureItem(
          item, size, {size.width - 1, size.height - 1}, true, look, reader_);
      auto drawn = std::make_shared<DrawnItem>();
      drawn->transparentColour = picture.transparentColour;
      drawn->bitmap = std::move(picture.bitmap);
      drawn->placeholderText = picture.missing;
      return drawn;
    }));
  }
  for (auto& [key, future] : pending) {
    std::shared_ptr<DrawnItem> drawn = future.get();
    if (drawn->placeholderText) {
      DrawMissingPictureText(drawn->bitmap, look_.imgshadow);
      drawn->placeholderText = false;
    }
    used[key] = std::move(drawn);
  }
  kept_ = std::move(used);

  for (size_t i = 0; i < items.size(); ++i) {
    const DrawnItem& drawn = *kept_.at(keys[i]);
    if (!drawn.problem.empty()) {
      drawing.problems.push_back(drawn.problem);
      continue;
    }
    Compose(drawing.canvas, items[i], drawn, scale.UnitsToPixelsX(items[i].x),
            scale.UnitsToPixelsY(items[i].y));
  }
  return drawing;
}

void FreeLayoutTabRenderer::Compose(Bitmap& canvas, const FreeLayoutItem& item,
                                    const DrawnItem& drawn, int left, int top) const {
  const Bitmap* source = &drawn.bitmap;
  Bitmap marked;
  if (item.selected) {
    marked = drawn.bitmap.Clone();
    DrawSelectionMark(marked, item.keepAspect);
    source = &marked;
  }
  if (source->empty()) return;
  const bool transparent = item.clearBack || !IsPicturePathValue(item.value);
  const uint32_t key = OpaquePixel(drawn.transparentColour) & 0xFFFFFF;
  const int from = std::max(0, -left);
  const int to = std::min(source->width(), canvas.width() - left);
  if (to <= from) return;
  for (int y = std::max(0, -top); y < source->height() && top + y < canvas.height(); ++y) {
    const uint32_t* in = reinterpret_cast<const uint32_t*>(source->row(y));
    uint32_t* out = reinterpret_cast<uint32_t*>(canvas.row(top + y)) + left;
    if (!transparent) {
      std::memcpy(out + from, in + from, static_cast<size_t>(to - from) * 4);
      continue;
    }
    for (int x = from; x < to; ++x) {
      if ((in[x] & 0xFFFFFF) != key) out[x] = in[x] | 0xFF000000u;
    }
  }
}

}  // namespace lumidex
