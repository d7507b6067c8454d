#pragma once

#include <optional>
#include <string>
#include <vector>

#include "freelayout/free_layout_item.h"
#include "freelayout/free_picture.h"
#include "freelayout/layout_units.h"

namespace lumidex {

// Editing operations over the items of the shown free layout tab. Each is a
// pure function of the item list (in stacking order, the first at the
// bottom) and the canvas the tab is shown on (its LayoutScale, in pixels);
// none reads or writes a file. Positions an operation gives in pixels are
// stored through ApplyPixelRect, so what an operation did not change keeps
// its units exactly.

// The kinds of item, as the kind selection and the menus tell them apart.
enum class ItemKind {
  kText,
  kPicture,         // a picture whose file exists
  kMissingPicture,  // a picture path whose file does not exist
  kAll,             // every kind (the kind selection's start value)
};
ItemKind KindOf(const FreeLayoutItem& item, bool fileExists);

// Where `item` shows on the canvas: its stored rectangle, or for a rotated
// picture the bounding box of the turned picture at the same top left.
CanvasRect ShownRect(const FreeLayoutItem& item, const LayoutScale& scale);

// The index of the topmost item whose shown rectangle holds pixel (x, y);
// -1 on the empty canvas.
int ItemAt(const std::vector<FreeLayoutItem>& items, const LayoutScale& scale, int x, int y);

int SelectedCount(const std::vector<FreeLayoutItem>& items);
void SelectOnly(std::vector<FreeLayoutItem>& items, int index);
void SelectAll(std::vector<FreeLayoutItem>& items, bool selected = true);
void InvertSelection(std::vector<FreeLayoutItem>& items);
// Selects the items whose kind (kinds[i], one per item) is `kind` (every
// item for kAll) and deselects the rest.
void SelectKind(std::vector<FreeLayoutItem>& items, const std::vector<ItemKind>& kinds, ItemKind kind);
// Band selection: every item whose shown rectangle meets `band` becomes
// selected, every other item deselected. Gives the index of the first item
// that was not selected before and is now, else -1.
int SelectInBand(std::vector<FreeLayoutItem>& items, const LayoutScale& scale, const CanvasRect& band);

// What a press on an item starts, by where in its W x H rectangle it falls:
// the 10 x 10 bottom-right corner resizes both ways, the 5-pixel right and
// bottom zones one way each, the body moves the item.
enum class DragKind { kMove, kResizeWidth, kResizeHeight, kResizeBoth };
DragKind DragKindAt(const CanvasRect& rect, int x, int y);

// The edge rule of a move: an item's new left edge must lie from 0 to below
// canvas width - 16, or below 0 while more than 32 pixels of its width stay
// inside; its new top edge likewise with canvas height - 16 and 16 pixels
// of its height. An item may stand exactly at the edge (0).
bool MoveAllowed(const CanvasRect& moved, const LayoutScale& scale);
// The group rule of a move of several selected items by (dx, dy): refused
// when it goes further out on a side that the bounding box of the selected
// items already touches or crosses.
bool GroupMoveRefused(const std::vector<FreeLayoutItem>& items, const LayoutScale& scale, int dx, int dy);

// Pixel rectangles of the selected items at the start of a drag.
struct DragStart {
  int index = 0;
  CanvasRect rect;
  int x = 0;  // units at the start
  int y = 0;
};
std::vector<DragStart> SelectedRects(const std::vector<FreeLayoutItem>& items, const LayoutScale& scale);
// Moves the items of `starts` to their start rectangles shifted by (dx, dy).
void MoveItems(std::vector<FreeLayoutItem>& items, const std::vector<DragStart>& starts, int dx, int dy,
               const LayoutScale& scale);
// The rectangle of a resize by (dx, dy) from `start`: the sides the drag
// changes grow or shrink, never below 11 pixels.
CanvasRect ResizedRect(const CanvasRect& start, DragKind kind, int dx, int dy);

// An arrow key on the selected items: each moves (or with `resize` grows or
// shrinks) by one layout unit along (dx, dy), each -1, 0 or 1, so every key
// changes what is stored whatever the canvas size. A move that breaks the
// edge rule leaves that item; a resize stops at 11 pixels.
void NudgeSelected(std::vector<FreeLayoutItem>& items, int dx, int dy, bool resize, const LayoutScale& scale);

// Stacking. Each gives true when the order changed.
bool ToTop(std::vector<FreeLayoutItem>& items, int index);
bool ToBottom(std::vector<FreeLayoutItem>& items, int index);
// Every text after every picture, each group keeping its order.
bool TextsToFront(std::vector<FreeLayoutItem>& items);
// `index` and the first other selected item exchange their positions and
// their places in the list. False when there is no other selected item.
bool SwapWithSelected(std::vector<FreeLayoutItem>& items, int index);
// Removes the selected items; gives how many went.
int DeleteSelected(std::vector<FreeLayoutItem>& items);

// Alignment on the reference item `ref` (the other selected items move).
void AlignLeft(std::vector<FreeLayoutItem>& items, int ref);
void AlignTop(std::vector<FreeLayoutItem>& items, int ref);
// Equal spacing from the left: the selected items other than `ref`, by their
// left edges, follow `ref` with the gap the nearest of them has to it now.
// Items whose left edge (before or after) lies at canvas width - 32 or
// further are not moved. The placed items are deselected.
void EqualSpacingLeft(std::vector<FreeLayoutItem>& items, int ref, const LayoutScale& scale);
void EqualSpacingTop(std::vector<FreeLayoutItem>& items, int ref, const LayoutScale& scale);

// Arranges the selected items, in list order, in rows from the top left,
// `spacing` layout units ("imgspace") apart. A row is as high as its
// tallest item; when no further row fits, the next rows start again 10
// pixels lower and further right (a new layer).
void ArrangeFromTopLeft(std::vector<FreeLayoutItem>& items, const LayoutScale& scale, int spacing);

// True when `item` lies outside the canvas: its left edge below 0 or beyond
// canvas width - 6, or likewise its top edge.
bool IsOutside(const FreeLayoutItem& item, const LayoutScale& scale);
// Brings every outside item back, in list order, to the pixel points
// (20, 20), (30, 30), ...; gives how many moved.
int BringBackOutside(std::vector<FreeLayoutItem>& items, const LayoutScale& scale);

// Same size: every selected item of the same kind as `ref` (kinds as in
// SelectKind) takes `ref`'s width and height.
void SameSize(std::vector<FreeLayoutItem>& items, const std::vector<ItemKind>& kinds, int ref);

// The pixel size of each item's picture as decoded (one per item); nothing
// for texts, missing files and pictures that do not decode.
using PictureSizes = std::vector<std::optional<ItemPixelSize>>;

// Same scale: `ref` (a picture of known size) shows its picture at some
// scale across and down (its pixel size x 100 / its picture's size); every
// other selected picture of known size takes that scale of its own picture,
// each side at least 16 pixels; one of the same picture size as `ref`'s
// takes `ref`'s stored size. Rotated pictures take it as their unrotated
// size.
void SameScale(std::vector<FreeLayoutItem>& items, const PictureSizes& sizes, int ref, const LayoutScale& scale);

// Keep proportions on or off for the selected pictures of known size. On,
// the height follows the width by the picture's proportions.
void KeepProportions(std::vector<FreeLayoutItem>& items, const PictureSizes& sizes, bool on,
                     const LayoutScale& scale);

// The rotation bar runs from -90 to 90 (2 degrees a step). The rotation
// step a bar position stores (p, or p + 180 below 0), the bar position of a
// rotation step (steps above 90 as step - 180), and the bar's label
// ("20°").
int RotationOfBar(int position);
int BarOfRotation(int rotation);
std::string RotationLabel(int position);
// Gives every selected item the rotation step `rotation`.
void RotateSelected(std::vector<FreeLayoutItem>& items, int rotation);

}  // namespace lumidex
