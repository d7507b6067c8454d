#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/file_store.h"
#include "freelayout/free_layout_document.h"

namespace lumidex {

// The catalogue of free layout pages: the page tree of the open document,
// the result trees of the searches over the documents of every year, and the
// naming rules of the page and tab commands. Trees are plain data; the
// window shows them as they are. Pure functions unless said otherwise.

// What a node of a catalogue tree stands for.
enum class CatalogueNodeKind {
  kRoot,   // the tree's root; opens nothing
  kPage,   // a page: "mm/dd" or an album name (with or without count suffix)
  kTitle,  // a tab title, or a title grouping pages in the title list
  kYear,   // a year grouping pages (title search) or an album's year
  kAlbum,  // an album name grouping its years (album searches)
};

// The pictures of the nodes (indices into the window's shared image list).
inline constexpr int kDateRootImage = 80;
inline constexpr int kAlbumRootImage = 85;
inline constexpr int kDateSearchRootImage = 86;
inline constexpr int kAlbumSearchRootImage = 87;
inline constexpr int kDatePageImage = 84;      // selected: 2
inline constexpr int kDatePageOpenImage = 2;
inline constexpr int kAlbumPageImage = 88;     // selected: 64
inline constexpr int kAlbumPageOpenImage = 64;
inline constexpr int kTitleImage = 82;         // selected: 83
inline constexpr int kTitleOpenImage = 83;

// One node. Besides its text a node names what opening it shows: the page
// `page` of year `year` (0: the shown year) and the tab whose caption is
// `title` ("" for the first tab). The root and nodes that only group (a year
// or album node) name the page of their first child.
struct CatalogueNode {
  CatalogueNodeKind kind = CatalogueNodeKind::kRoot;
  std::string text;
  int image = 0;
  int selectedImage = 0;
  bool expanded = false;
  int year = 0;
  std::string page;
  std::string title;
  std::vector<CatalogueNode> children;
};

// A tree and its selected node, as the path of child indices from the root
// (empty: the root; none: nothing selected).
struct CatalogueTree {
  CatalogueNode root;
  std::optional<std::vector<int>> selected;
};

// The page name of a node text: the text up to its first " （" (a space and
// a full-width opening parenthesis), or the whole text.
std::string PageNameOfNode(std::string_view text);

// The count suffix of a page from its section lines: " （" tabs "/" titles
// "/" items "）", where tabs = distinct first-two-character prefixes over all
// lines, titles = lines whose key is shorter than 10 characters and that have
// "=", items = the other lines. No lines give " （0/0/0）".
std::string PageCountsText(const std::vector<std::string>& lines);

// The open/closed pictures of a node: expanding a node shows 82 as 83, 84 as
// 2 and 88 as 64; collapsing turns them back. Other pictures stay.
int ExpandedImage(int image);
int CollapsedImage(int image);

// What the tree looked like before a rebuild, so the rebuild keeps it.
struct PageTreeMemory {
  std::vector<std::string> expandedPages;  // page names of expanded pages
  std::string selectedTitle;               // text of a selected title node, or ""
  std::string currentSection;              // the page shown
};

// The standard tree of `document`: the root "<year>年（日付）" or
// "<year>年（アルバム）", one node per page in sorted order (name + count
// suffix), below it one node per title line in the sorted order of the
// lines. The root is expanded, and every page whose name occurs in the
// joined expanded names of `memory`. The page of `memory.currentSection` is
// selected, or its title node FindTitleNode(memory.selectedTitle) when a
// title was selected (nothing when that title is gone).
CatalogueTree BuildPageTree(const FreeLayoutDocument& document, const PageTreeMemory& memory);

// Among `siblings` from `first` on: the index of the first node whose text
// (by date) or page name (by album) equals `title`, else of the first whose
// text begins with `title`; none for an empty title or no match.
std::optional<size_t> FindTitleNode(const std::vector<CatalogueNode>& siblings, size_t first,
                                    std::string_view title, FreeLayoutWay way);

// The index of the page node whose page name equals `page` (letter case
// aside) among the root's children; none when there is none.
std::optional<size_t> FindPageNode(const CatalogueNode& root, std::string_view page);

// Patches the standard tree after tab title `oldTitle` of `page` became
// `newTitle` ("" : the title was removed): renames, adds or removes the
// title node; a page without a node gets one (without count suffix).
void UpdateTitleNodes(CatalogueNode& root, FreeLayoutWay way, std::string_view page,
                      std::string_view oldTitle, std::string_view newTitle);

// One document as the searches read it: its year and its sections in file
// order.
struct CatalogueSection {
  std::string name;
  std::vector<std::string> lines;
};
struct CatalogueDocument {
  int year = 0;
  std::vector<CatalogueSection> sections;
};

// The documents of `way` in `albumDir` (ending in "/") in ascending order
// of file names: by date every "<number>.ini" with a number above 1000, by
// album every "<yyyy>A....ini" whose first four characters are a number
// above 1000. Only `onlyYear`'s document when it is given (by date, a search
// of the shown year). A document that cannot be read contributes nothing.
std::vector<CatalogueDocument> ReadCatalogueDocuments(const std::string& albumDir, FreeLayoutWay way,
                                                      std::optional<int> onlyYear,
                                                      FileStore& store = RealFileStore());

// One hit of a search: a page (or album) of a year, with the title that
// matched ("" for an album).
struct CatalogueHit {
  int year = 0;
  std::string page;
  std::string title;
};

// Every page of `documents` with a tab title that contains `text`
// (case-sensitive), once per page with its first such title, in order of
// year and page.
std::vector<CatalogueHit> FindTitleHits(const std::vector<CatalogueDocument>& documents, std::string_view text);
// Per document the first section, in file order, whose name contains `text`
// and is not "ver"; in order of year.
std::vector<CatalogueHit> FindAlbumHits(const std::vector<CatalogueDocument>& documents, std::string_view text);

// The title search (by date): every page with a tab title that contains
// `text` (case-sensitive), once per page. Of the shown year `shownYear`
// alone: root "<year>年の<text>" with the pages "mm/dd". Of all years: root
// "全ての年の<text>" with one node per year "yyyy （n）" in ascending order,
// the pages below. A page opens at the first tab whose caption matches
// `text`.
CatalogueTree TitleSearch(const std::vector<CatalogueDocument>& documents, std::string_view text,
                          int shownYear, bool allYears);

// All titles (by date, empty search): one node per title "title （n）" in
// text order, below it the pages with that title in order of year and page:
// "mm/dd" of the shown year only, or "yyyy/mm/dd" of all years.
CatalogueTree AllTitles(const std::vector<CatalogueDocument>& documents, int shownYear,
                        bool allYears);

// The album name search: per document the first section, in file order,
// whose name contains `text` and is not "ver". Root "全ての年の<text>";
// one album node "name （n）" per distinct name found (the first found
// first), with its years below in ascending order.
CatalogueTree AlbumNameSearch(const std::vector<CatalogueDocument>& documents,
                              std::string_view text);

// All albums (empty search): root "全ての年のアルバム", one node per album
// name in text order, its years below in ascending order.
CatalogueTree AllAlbums(const std::vector<CatalogueDocument>& documents);

// Every tab title of `documents`, sorted as text, without repeats.
std::vector<std::string> AllTabTitles(const std::vector<CatalogueDocument>& documents);
// Every page name (not "ver") of `documents`, sorted as text, without repeats.
std::vector<std::string> AllPageNames(const std::vector<CatalogueDocument>& documents);

// The names offered when renaming: every entry that does not begin with a
// digit 0-9 is cut before its first single-byte digit (so "夏2" becomes
// "夏"); then entries equal to the one before them are dropped.
std::vector<std::string> StripNumberSuffix(std::vector<std::string> list);

// The name of a new album page: "無題" + n for the smallest n >= 1 that is not
// among `pageNames`.
std::string NewAlbumPageName(const std::vector<std::string>& pageNames);

// `name` made free among `taken` (letter case aside): `name` itself when it
// is free, else name + "1", name + "2", ... the first that is free.
std::string FreeName(std::string_view name, const std::vector<std::string>& taken);

// Whether `name` can name an album page. Error (the message to show) for
// an empty name, "ver" (letter case aside), a name with " （" (the tree
// could not tell it from a count suffix) or with control characters.
Status CheckAlbumName(std::string_view name);

// The page after (`next`) or before `current` among the sorted `pageNames`;
// the first page when `current` is not among them; none at either end or
// without pages.
std::optional<std::string> AdjacentPage(const std::vector<std::string>& pageNames,
                                        std::string_view current, bool next);

// The section lines with tabs `tab` - 1 and `tab` swapped: the tab numbers
// of their title and item lines are exchanged, lines keep their order.
// Unchanged for `tab` < 1.
std::vector<std::string> MoveTabEarlierLines(const std::vector<std::string>& lines, int tab);

}  // namespace lumidex
