#include "freelayout/layout_operations.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "freelayout/item_rotation.h"

namespace lumidex {
namespace {

// A move leaves at least this much of an item inside past the right and
// bottom edges, and this much of its width (height) inside past the left
// (top) edge.
constexpr int kFarEdgeMargin = 16;
constexpr int kNearEdgeInsideX = 32;
constexpr int kNearEdgeInsideY = 16;
// The smallest side a resize gives.
constexpr int kSmallestSide = 11;
// The right and bottom drag zones, and the corner zone that resizes both ways.
constexpr int kEdgeZone = 5;
constexpr int kCornerZone = 10;
// Equal spacing leaves items alone that start this near the far edge.
constexpr int kSpacingEdge = 32;

bool Meets(const CanvasRect& a, const CanvasRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

// One axis of equal spacing. `pos` and `size` pick the axis's fields,
// `toPixels` its conversion, `limit` the pixel edge items must start before.
void EqualSpacing(std::vector<FreeLayoutItem>& items, int ref, int FreeLayoutItem::*pos,
                  int FreeLayoutItem::*size, int (LayoutScale::*toPixels)(int) const, int limit,
                  const LayoutScale& scale) {
  if (ref < 0 || ref >= static_cast<int>(items.size())) return;
  int next = items[ref].*pos + items[ref].*size;
  std::vector<bool> done(items.size(), false);
  done[ref] = true;
  bool first = true;
  int gap = 0;
  for (;;) {
    int taken = -1;
    for (size_t i = 0; i < items.size(); ++i) {
      if (done[i] || !items[i].selected) continue;
      const int left = (scale.*toPixels)(items[i].*pos);
      if (left >= limit) continue;
      if (taken < 0 || left < (scale.*toPixels)(items[taken].*pos)) taken = static_cast<int>(i);
    }
    if (taken < 0) return;
    FreeLayoutItem& item = items[taken];
    if (first) {
      gap = item.*pos - next;
      first = false;
    }
    const int candidate = next + gap;
    if ((scale.*toPixels)(candidate) < limit) {
      item.*pos = candidate;
      next = candidate + item.*size;
    }
    item.selected = false;
    done[taken] = true;
  }
}

}  // namespace

ItemKind KindOf(const FreeLayoutItem& item, bool fileExists) {
  if (!IsPicturePathValue(item.value)) return ItemKind::kText;
  return fileExists ? ItemKind::kPicture : ItemKind::kMissingPicture;
}

CanvasRect ShownRect(const FreeLayoutItem& item, const LayoutScale& scale) {
  CanvasRect rect = ItemPixelRect(item, scale);
  if (item.rotation > 0 && IsPicturePathValue(item.value)) {
    const RotatedSize turned = RotatedPictureSize(rect.width, rect.height, item.rotation);
    rect.width = turned.width;
    rect.height = turned.height;
  }
  return rect;
}

int ItemAt(const std::vector<FreeLayoutItem>& items, const LayoutScale& scale, int x, int y) {
  for (int i = static_cast<int>(items.size()) - 1; i >= 0; --i) {
    const CanvasRect r = ShownRect(items[i], scale);
    if (x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height) return i;
  }
  return -1;
}

int SelectedCount(const std::vector<FreeLayoutItem>& items) {
  return static_cast<int>(std::count_if(items.begin(), items.end(), [](const auto& i) { return i.selected; }));
}

void SelectOnly(std::vector<FreeLayoutItem>& items, int index) {
  for (size_t i = 0; i < items.size(); ++i) items[i].selected = static_cast<int>(i) == index;
}

void SelectAll(std::vector<FreeLayoutItem>& items, bool selected) {
  for (FreeLayoutItem& item : items) item.selected = selected;
}

void InvertSelection(std::vector<FreeLayoutItem>& items) {
  for (FreeLayoutItem& item : items) item.selected = !item.selected;
}

void SelectKind(std::vector<FreeLayoutItem>& items, const std::vector<ItemKind>& kinds, ItemKind kind) {
  for (size_t i = 0; i < items.size() && i < kinds.size(); ++i) {
    items[i].selected = kind == ItemKind::kAll || kinds[i] == kind;
  }
}

int SelectInBand(std::vector<FreeLayoutItem>& items, const LayoutScale& scale, const CanvasRect& band) {
  int first = -1;
  for (size_t i = 0; i < items.size(); ++i) {
    const bool inside = Meets(ShownRect(items[i], scale), band);
    if (inside && !items[i].selected && first < 0) first = static_cast<int>(i);
    items[i].selected = inside;
  }
  return first;
}

DragKind DragKindAt(const CanvasRect& rect, int x, int y) {
  const bool right = x > rect.width - kEdgeZone;
  const bool bottom = y > rect.height - kEdgeZone;
  if ((x > rect.width - kCornerZone && y > rect.height - kCornerZone) || (right && bottom)) {
    return DragKind::kResizeBoth;
  }
  if (right) return DragKind::kResizeWidth;
  if (bottom) return DragKind::kResizeHeight;
  return DragKind::kMove;
}

bool MoveAllowed(const CanvasRect& moved, const LayoutScale& scale) {
  const bool across = (moved.left >= 0 && moved.left < scale.width() - kFarEdgeMargin) ||
                      (moved.left < 0 && moved.left + moved.width > kNearEdgeInsideX);
  const bool down = (moved.top >= 0 && moved.top < scale.height() - kFarEdgeMargin) ||
                    (moved.top < 0 && moved.top + moved.height > kNearEdgeInsideY);
  return across && down;
}

bool GroupMoveRefused(const std::vector<FreeLayoutItem>& items, const LayoutScale& scale, int dx, int dy) {
  if (SelectedCount(items) < 2) return false;
  int left = std::numeric_limits<int>::max();
  int top = left;
  int right = std::numeric_limits<int>::min();
  int bottom = right;
  for (const FreeLayoutItem& item : items) {
    if (!item.selected) continue;
    const CanvasRect r = ShownRect(item, scale);
    left = std::min(left, r.left);
    top = std::min(top, r.top);
    right = std::max(right, r.left + r.width);
    bottom = std::max(bottom, r.top + r.height);
  }
  return (dx < 0 && left <= 0) || (dx > 0 && right >= scale.width()) || (dy < 0 && top <= 0) ||
         (dy > 0 && bottom >= scale.height());
}

std::vector<DragStart> SelectedRects(const std::vector<FreeLayoutItem>& items, const LayoutScale& scale) {
  std::vector<DragStart> starts;
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].selected) {
      starts.push_back({static_cast<int>(i), ItemPixelRect(items[i], scale), items[i].x, items[i].y});
    }
  }
  return starts;
}

void MoveItems(std::vector<FreeLayoutItem>& items, const std::vector<DragStart>& starts, int dx, int dy,
               const LayoutScale& scale) {
  for (const DragStart& start : starts) {
    if (start.index < 0 || start.index >= static_cast<int>(items.size())) continue;
    FreeLayoutItem& item = items[start.index];
    // From the start, so a drag that returns to its start gives the units
    // the item had.
    item.x = dx == 0 ? start.x : scale.PixelsToUnitsX(start.rect.left + dx);
    item.y = dy == 0 ? start.y : scale.PixelsToUnitsY(start.rect.top + dy);
  }
}

CanvasRect ResizedRect(const CanvasRect& start, DragKind kind, int dx, int dy) {
  CanvasRect rect = start;
  if (kind == DragKind::kResizeWidth || kind == DragKind::kResizeBoth) {
    rect.width = std::max(kSmallestSide, start.width + dx);
  }
  if (kind == DragKind::kResizeHeight || kind == DragKind::kResizeBoth) {
    rect.height = std::max(kSmallestSide, start.height + dy);
  }
  return rect;
}

void NudgeSelected(std::vector<FreeLayoutItem>& items, int dx, int dy, bool resize, const LayoutScale& scale) {
  for (FreeLayoutItem& item : items) {
    if (!item.selected) continue;
    FreeLayoutItem changed = item;
    if (resize) {
      changed.width += dx;
      changed.height += dy;
      const CanvasRect rect = ItemPixelRect(changed, scale);
      if (rect.width < kSmallestSide || rect.height < kSmallestSide) continue;
    } else {
      changed.x += dx;
      changed.y += dy;
      if (!MoveAllowed(ItemPixelRect(changed, scale), scale)) continue;
    }
    item = changed;
  }
}

bool ToTop(std::vector<FreeLayoutItem>& items, int index) {
  if (index < 0 || index + 1 >= static_cast<int>(items.size())) return false;
  std::rotate(items.begin() + index, items.begin() + index + 1, items.end());
  return true;
}

bool ToBottom(std::vector<FreeLayoutItem>& items, int index) {
  if (index <= 0 || index >= static_cast<int>(items.size())) return false;
  std::rotate(items.begin(), items.begin() + index, items.begin() + index + 1);
  return true;
}

bool TextsToFront(std::vector<FreeLayoutItem>& items) {
  std::vector<FreeLayoutItem> ordered = items;
  std::stable_partition(ordered.begin(), ordered.end(),
                        [](const FreeLayoutItem& item) { return IsPicturePathValue(item.value); });
  bool changed = false;
  for (size_t i = 0; i < items.size() && !changed; ++i) {
    changed = items[i].value != ordered[i].value || items[i].x != ordered[i].x || items[i].y != ordered[i].y;
  }
  if (changed) items = std::move(ordered);
  return changed;
}

bool SwapWithSelected(std::vector<FreeLayoutItem>& items, int index) {
  if (index < 0 || index >= static_cast<int>(items.size())) return false;
  for (size_t other = 0; other < items.size(); ++other) {
    if (static_cast<int>(other) == index || !items[other].selected) continue;
    std::swap(items[index].x, items[other].x);
    std::swap(items[index].y, items[other].y);
    std::swap(items[index], items[other]);
    return true;
  }
  return false;
}

int DeleteSelected(std::vector<FreeLayoutItem>& items) {
  const size_t before = items.size();
  std::erase_if(items, [](const FreeLayoutItem& item) { return item.selected; });
  return static_cast<int>(before - items.size());
}

void AlignLeft(std::vector<FreeLayoutItem>& items, int ref) {
  if (ref < 0 || ref >= static_cast<int>(items.size())) return;
  for (FreeLayoutItem& item : items) {
    if (item.selected) item.x = items[ref].x;
  }
}

void AlignTop(std::vector<FreeLayoutItem>& items, int ref) {
  if (ref < 0 || ref >= static_cast<int>(items.size())) return;
  for (FreeLayoutItem& item : items) {
    if (item.selected) item.y = items[ref].y;
  }
}

void EqualSpacingLeft(std::vector<FreeLayoutItem>& items, int ref, const LayoutScale& scale) {
  EqualSpacing(items, ref, &FreeLayoutItem::x, &FreeLayoutItem::width, &LayoutScale::UnitsToPixelsX,
               scale.width() - kSpacingEdge, scale);
}

void EqualSpacingTop(std::vector<FreeLayoutItem>& items, int ref, const LayoutScale& scale) {
  EqualSpacing(items, ref, &FreeLayoutItem::y, &FreeLayoutItem::height, &LayoutScale::UnitsToPixelsY,
               scale.height() - kSpacingEdge, scale);
}

void ArrangeFromTopLeft(std::vector<FreeLayoutItem>& items, const LayoutScale& scale, int spacing) {
  const int sx = scale.UnitsToPixelsX(spacing);
  const int sy = scale.UnitsToPixelsY(spacing);
  int x = 4;
  int y = 4;
  int rowStart = 0;
  int rowHeight = -1;  // no item placed yet
  for (FreeLayoutItem& item : items) {
    if (!item.selected) continue;
    const CanvasRect shown = ShownRect(item, scale);
    if (rowHeight < 0) {
      rowHeight = shown.height;
    } else if (x + shown.width + sx + 8 > scale.width() - 16) {
      if (y + shown.height + sy + 8 > scale.height() - 32) {
        y += 10;
        rowStart += 10;
      } else {
        y += rowHeight + sy;
      }
      x = rowStart + 4;
      rowHeight = shown.height;
    }
    // The row is as high as its tallest item, so the next row never
    // overlaps a tall item that came after a short first one.
    rowHeight = std::max(rowHeight, shown.height);
    item.x = scale.PixelsToUnitsX(x + sx);
    item.y = scale.PixelsToUnitsY(y + sy);
    x = x + sx + shown.width;
  }
}

bool IsOutside(const FreeLayoutItem& item, const LayoutScale& scale) {
  const CanvasRect r = ItemPixelRect(item, scale);
  return r.left < 0 || r.left > scale.width() - 6 || r.top < 0 || r.top > scale.height() - 6;
}

int BringBackOutside(std::vector<FreeLayoutItem>& items, const LayoutScale& scale) {
  int moved = 0;
  for (FreeLayoutItem& item : items) {
    if (!IsOutside(item, scale)) continue;
    const int point = 20 + 10 * moved;
    item.x = scale.PixelsToUnitsX(point);
    item.y = scale.PixelsToUnitsY(point);
    ++moved;
  }
  return moved;
}

void SameSize(std::vector<FreeLayoutItem>& items, const std::vector<ItemKind>& kinds, int ref) {
  if (ref < 0 || ref >= static_cast<int>(items.size()) || kinds.size() != items.size()) return;
  const int width = items[ref].width;
  const int height = items[ref].height;
  for (size_t i = 0; i < items.size(); ++i) {
    if (!items[i].selected || kinds[i] != kinds[ref]) continue;
    items[i].width = width;
    items[i].height = height;
  }
}

void SameScale(std::vector<FreeLayoutItem>& items, const PictureSizes& sizes, int ref, const LayoutScale& scale) {
  if (ref < 0 || ref >= static_cast<int>(items.size()) || sizes.size() != items.size() || !sizes[ref]) return;
  const ItemPixelSize refPicture = *sizes[ref];
  if (refPicture.width < 1 || refPicture.height < 1) return;
  const CanvasRect refRect = ItemPixelRect(items[ref], scale);
  const double scaleX = refRect.width * 100.0 / refPicture.width;
  const double scaleY = refRect.height * 100.0 / refPicture.height;
  const int refWidth = items[ref].width;
  const int refHeight = items[ref].height;
  for (size_t i = 0; i < items.size(); ++i) {
    if (!items[i].selected || static_cast<int>(i) == ref || !sizes[i] || !IsPicturePathValue(items[i].value)) {
      continue;
    }
    const ItemPixelSize picture = *sizes[i];
    if (picture == refPicture) {
      items[i].width = refWidth;
      items[i].height = refHeight;
      continue;
    }
    const int w = std::max(16, static_cast<int>(picture.width * scaleX * 0.01));
    const int h = std::max(16, static_cast<int>(picture.height * scaleY * 0.01));
    items[i].width = scale.PixelsToUnitsX(w);
    items[i].height = scale.PixelsToUnitsY(h);
  }
}

void KeepProportions(std::vector<FreeLayoutItem>& items, const PictureSizes& sizes, bool on,
                     const LayoutScale& scale) {
  for (size_t i = 0; i < items.size() && i < sizes.size(); ++i) {
    FreeLayoutItem& item = items[i];
    if (!item.selected || !sizes[i] || !IsPicturePathValue(item.value)) continue;
    item.keepAspect = on;
    const ItemPixelSize picture = *sizes[i];
    if (!on || picture.width < 1 || picture.height < 1) continue;
    const CanvasRect rect = ItemPixelRect(item, scale);
    const int height = static_cast<int>(rect.width * (picture.height * 100.0 / picture.width) * 0.01);
    item.height = scale.PixelsToUnitsY(std::max(1, height));
  }
}

int RotationOfBar(int position) {
  position = std::clamp(position, -90, 90);
  return position >= 0 ? position : position + 180;
}

int BarOfRotation(int rotation) {
  rotation &= 0xFF;
  return rotation > 90 ? rotation - 180 : rotation;
}

std::string RotationLabel(int position) { return std::to_string(std::abs(position * 2)) + "°"; }

void RotateSelected(std::vector<FreeLayoutItem>& items, int rotation) {
  for (FreeLayoutItem& item : items) {
    if (item.selected && IsPicturePathValue(item.value)) item.rotation = rotation;
  }
}

}  // namespace lumidex
