#pragma once

namespace lumidex {

// A rectangle in item coordinates: left, top, width, height (pixels).
struct ItemRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int right() const { return x + width; }
  int bottom() const { return y + height; }
  bool operator==(const ItemRect&) const = default;
};

// The picture heights offered for the two item sizes of the list.
inline constexpr int kDefaultBigSize = 112;
inline constexpr int kDefaultSmallSize = 56;

// The outer size of one icon-view item for the picture height `size` (the
// setting "bigsiz", or "smlsiz" while the size button is down): the image
// area is size + size / 3 + 20 wide and the caption line below it makes the
// item size + 26 high. Sizes below 16 count as 16.
ItemRect IconItemCell(int size);

// How many items a wrapping grid of `cellWidth` x `cellHeight` cells shows
// in a view of `width` x `height` scrolled to the top: the whole cells that
// fit across (at least one), times the rows that show at least in part.
// 0 for an empty view or cell.
int ItemsOnFirstScreen(int width, int height, int cellWidth, int cellHeight);

// Where the parts of a file or folder item go, for an item bitmap of
// `cell` (IconItemCell). h = the cell height less the caption band (20, 19
// when selected, since a selected item is drawn one pixel further right and
// down) and w = h + h / 3.
struct FileItemLayout {
  int h = 0;
  int w = 0;
  ItemRect card;       // the white photo mount, (2, 2) to (w, h)
  ItemRect pictureBox; // the thumbnail's box, (w - 10) x (h - 10) at (6, 6)
  ItemRect number;     // the item number, x from w + 10, y 6 to 25
  ItemRect caption;    // the caption, y from h + 5 to h + 25
  ItemRect unsupported;// where "未対応" is written, at (3, 6)
  bool operator==(const FileItemLayout&) const = default;
};
FileItemLayout LayoutFileItem(const ItemRect& cell, bool selected);

// Where the parts of a sub-album item go in a cell of `width` x `height`.
struct SubAlbumItemLayout {
  ItemRect frame;    // the whole item
  ItemRect picture;  // 38 x 38 at (2, 2)
  ItemRect number;   // the item number from (44, 4)
  ItemRect box;      // (40, 19) to (width - 3, height - 2)
  int lineY = 34;    // the line across the box
  ItemRect name;     // the box's first line
  ItemRect comment;  // below the line
  ItemRect count;    // the entry count: after the number (large) or bottom left (small)
  bool operator==(const SubAlbumItemLayout&) const = default;
};
SubAlbumItemLayout LayoutSubAlbumItem(int width, int height, bool largeSize);

// Page-list rows.
inline constexpr int kPageRowHeight = 36;
struct PageRowLayout {
  ItemRect picture;   // the summary picture stretched into (2, 2) - (34, 34)
  ItemRect page;      // "mm/dd", bold size 12, at (39, 2)
  ItemRect count;     // imageCount + "枚" at (114, 4)
  ItemRect cover;     // the cover's file name at (53, 21)
  ItemRect subAlbums; // subAlbumCount + "冊（" + subAlbumImageCount + "枚）" at (114, 21)
  ItemRect lock;      // the lock symbol
  ItemRect freeLayout;// the free-layout symbol at the right edge
  bool operator==(const PageRowLayout&) const = default;
};
PageRowLayout LayoutPageRow(int width);
// Where a summary picture of `pictureWidth` x `pictureHeight` goes: a 16 x 16
// picture at its own size at (2, 2), any other stretched into the picture box.
ItemRect PageRowPicture(int pictureWidth, int pictureHeight);
// Even months get the colour scheme's light colour, odd months white.
bool PageRowUsesLightColour(int month);

}  // namespace lumidex
