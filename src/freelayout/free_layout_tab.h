#pragma once

#include <string>
#include <vector>

#include "foundation/status.h"
#include "freelayout/free_layout_item.h"

namespace lumidex {

// Rules over the lines of one page section (see free_layout_key.h for the
// line layout). Pure functions: they neither read nor write a document.

// The tab strip of a page. `count` is the number of distinct first-two-
// character prefixes of the lines; the captions are built for tab numbers
// 0 .. count-1 (not from the prefixes found): the title line of that number
// if any, else the number plus one ("1", "2", ...) when count >= 2. With
// count < 2 an untitled tab gets no caption, so a page with one untitled tab
// shows no tab strip at all. A title line is a line whose "=" stands before
// its 10th character, or which is shorter than 10 characters.
struct TabStrip {
  int count = 0;
  std::vector<std::string> captions;
};
TabStrip BuildTabStrip(const std::vector<std::string>& lines);

// The captions of an existing strip of `count` tabs renamed from `lines`:
// for k = 0 .. count-1 the title of tab k, else k + 1.
std::vector<std::string> RenamedTabCaptions(const std::vector<std::string>& lines, int count);

// The items of tab `tab` (a negative tab counts as 0), in line order, which
// is their stacking order (the first at the bottom). `problems` holds one
// message per item line of the tab whose key does not read; those lines are
// skipped, the other items still load.
struct TabLoad {
  std::vector<FreeLayoutItem> items;
  std::vector<std::string> problems;
};
TabLoad LoadTab(const std::vector<std::string>& lines, int tab);

// The one message that reports the problems of a LoadTab: how many item lines
// could not be read, that they are kept in the file, and the first few.
std::string UnreadableItemsMessage(const std::vector<std::string>& problems);

// The section lines with tab `tab`'s items replaced by `items`: the lines
// LoadTab would load for the tab are removed (unreadable item lines, title
// lines and the lines of other tabs stay where they are), and the items are
// appended in list order, each with the tab's number. Items whose keys would
// be equal get the counter 1, 2, ... in the reserved field, so no item
// replaces another. Error when more items share one place and size than the
// counter can tell apart (100,000); nothing is changed then.
Result<std::vector<std::string>> ReplaceTabItems(const std::vector<std::string>& lines, int tab,
                                                 const std::vector<FreeLayoutItem>& items);

// The lines without the title line(s) of tab `tab`.
std::vector<std::string> WithoutTabTitle(const std::vector<std::string>& lines, int tab);

// The lines with their tab numbers closed up: the distinct two-digit prefixes
// in numeric order become 00, 01, 02, ... Lines keep their order, so every
// tab keeps the stacking order of its items; lines without a two-digit
// prefix stay as they are.
std::vector<std::string> RenumberTabLines(const std::vector<std::string>& lines);

}  // namespace lumidex
