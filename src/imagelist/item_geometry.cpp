#include "imagelist/item_geometry.h"

#include <algorithm>

namespace lumidex {
namespace {

constexpr int kMinimumSize = 16;
constexpr int kCaptionBand = 20;
constexpr int kTextLine = 20;

ItemRect FromCorners(int left, int top, int right, int bottom) {
  return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

}  // namespace

ItemRect IconItemCell(int size) {
  size = std::max(size, kMinimumSize);
  return {0, 0, size + size / 3 + 20, size + 26};
}

int ItemsOnFirstScreen(int width, int height, int cellWidth, int cellHeight) {
  if (width <= 0 || height <= 0 || cellWidth <= 0 || cellHeight <= 0) return 0;
  const int columns = std::max(width / cellWidth, 1);
  const int rows = (height + cellHeight - 1) / cellHeight;
  return columns * rows;
}

FileItemLayout LayoutFileItem(const ItemRect& cell, bool selected) {
  FileItemLayout layout;
  layout.h = cell.height - (selected ? kCaptionBand - 1 : kCaptionBand) - 6;
  layout.w = layout.h + layout.h / 3;
  const int h = layout.h;
  const int w = layout.w;
  layout.card = FromCorners(2, 2, w, h);
  layout.pictureBox = {6, 6, std::max(w - 10, 1), std::max(h - 10, 1)};
  layout.number = FromCorners(w + 10, 6, cell.width, 25);
  layout.caption = FromCorners(0, h + 5, cell.width, h + 25);
  layout.unsupported = {3, 6, std::max(w - 3, 0), kTextLine};
  return layout;
}

SubAlbumItemLayout LayoutSubAlbumItem(int width, int height, bool largeSize) {
  SubAlbumItemLayout layout;
  layout.frame = {0, 0, width, height};
  layout.picture = {2, 2, 38, 38};
  layout.number = FromCorners(44, 4, width - 3, 18);
  layout.box = FromCorners(40, 19, width - 3, height - 2);
  layout.name = FromCorners(43, 20, width - 5, layout.lineY);
  layout.comment = FromCorners(43, layout.lineY + 2, width - 5, height - (largeSize ? 4 : 18));
  layout.count = largeSize ? FromCorners(80, 4, width - 3, 18)
                           : FromCorners(2, height - 18, 40, height - 2);
  return layout;
}

PageRowLayout LayoutPageRow(int width) {
  PageRowLayout layout;
  layout.picture = FromCorners(2, 2, 34, 34);
  layout.page = FromCorners(39, 2, 112, 20);
  layout.count = FromCorners(114, 4, std::max(width - 20, 114), 19);
  layout.cover = FromCorners(53, 21, std::max(114 - 2, 53), 35);
  layout.subAlbums = FromCorners(114, 21, std::max(width - 20, 114), 35);
  layout.lock = {36, 20, 16, 16};
  layout.freeLayout = {std::max(width - 18, 0), 10, 16, 16};
  return layout;
}

ItemRect PageRowPicture(int pictureWidth, int pictureHeight) {
  if (pictureWidth == 16 && pictureHeight == 16) return {2, 2, 16, 16};
  return FromCorners(2, 2, 34, 34);
}

bool PageRowUsesLightColour(int month) { return month % 2 == 0; }

}  // namespace lumidex
