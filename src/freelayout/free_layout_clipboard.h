#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/status.h"
#include "freelayout/free_layout_item.h"
#include "freelayout/layout_units.h"

namespace lumidex {

// New items and the program's own clipboard of free layout items.
//
// The own clipboard ("copiedItems") is text: one line per copied item, the
// item's stored line without its two-character tab number, joined by CR LF:
//
//   xxxxyyyywwwwhhhhffrr00000=value
//
// x, y, width, height in layout units (four digits each), the flags (two
// digits), the rotation (two hexadecimal digits), the reserved field, "="
// and the value: a picture path, or a text item's look and text with its
// line breaks stored as "･･". Pasting restores the items with their
// position, size, flags and rotation onto any tab of any page.

using ExistsCheck = std::function<bool(const std::string& path)>;

// New items go no nearer than this to the right and bottom edges, several
// new pictures one below the other this far apart, and one paste or drop
// adds at most this many files.
inline constexpr int kNewItemEdge = 48;
inline constexpr int kCascadeStep = 6;
inline constexpr int kMostAddedFiles = 11;
// The longest text a new text item takes, in bytes: a text beyond it is
// refused, as the canvas would spend seconds laying it out.
inline constexpr size_t kLongestNewText = 64 * 1024;

// A new text item (160 x 50 units, size 10, black on white, grey frame
// colour, flags 0) at pixel point (pasteX, pasteY), brought to 48 pixels
// inside the right and bottom edges. `text` may hold "･･" or line breaks of
// any kind; the item keeps CR LF.
FreeLayoutItem NewTextItem(std::string_view text, int pasteX, int pasteY, const LayoutScale& scale);

// New picture items (200 x 200 units) for the first kMostAddedFiles of
// `paths`, cascading 6 pixels a step from the paste point while the next
// step still lies 48 pixels inside the canvas (the later ones then stay on
// the last step that fitted).
std::vector<FreeLayoutItem> NewPictureItems(const std::vector<std::string>& paths, int pasteX, int pasteY,
                                            const LayoutScale& scale);

// What a copy of the selected items gives.
struct CopiedItems {
  std::string lines;  // the own clipboard
  // For the system clipboard: the files of the copied pictures that exist,
  // in list order, when the first copied item is such a picture; otherwise
  // the text of the first copied item (a text item's own text).
  std::vector<std::string> files;
  std::string text;
  bool empty() const { return lines.empty(); }
};
// The selected items, in list order. A picture whose file exists keeps all
// its flags; other items lose the keep-proportions bit (it means nothing
// for them).
CopiedItems CopySelected(const std::vector<FreeLayoutItem>& items, const ExistsCheck& exists);

// True when the system clipboard's `data` (its text, or its files one per
// line) is what CopySelected put there for `copied`: the first copied
// item's own text, or its file. Texts compare with their line breaks made
// alike (the system clipboard may turn CR LF into LF).
bool IsOwnPaste(const CopiedItems& copied, std::string_view data);

// The items of the own clipboard `lines` for tab `tab`, in copy order,
// selected. Lines that do not read are skipped.
std::vector<FreeLayoutItem> ItemsOfCopied(std::string_view lines, int tab);

}  // namespace lumidex
