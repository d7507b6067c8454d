#include "freelayout/free_layout_catalogue.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <system_error>
#include <tuple>

#include "album/album_text.h"
#include "foundation/ini_line.h"
#include "foundation/mem_ini_file.h"
#include "foundation/text_codec.h"
#include "foundation/text_compare.h"
#include "freelayout/free_layout_key.h"

namespace lumidex {
namespace {

constexpr std::string_view kSuffixOpen = " （";
constexpr std::string_view kSuffixClose = "）";

size_t CodePointCount(std::string_view text) {
  size_t count = 0;
  for (size_t pos = 0; pos < text.size(); ++count) NextCodePoint(text, pos);
  return count;
}

// A title line of the tree and the counts: a key of fewer than 10
// characters before an "=".
bool IsCountedTitleLine(std::string_view line) {
  return HasEquals(line) && CodePointCount(NameOf(line)) < 10;
}

// A title line of the searches: a key of at most two characters.
bool IsSearchedTitleLine(std::string_view line) {
  return HasEquals(line) && CodePointCount(NameOf(line)) <= 2;
}

std::vector<std::string> SortedLines(std::vector<std::string> lines) {
  std::stable_sort(lines.begin(), lines.end(), TextLess());
  return lines;
}

std::string WithCount(std::string_view name, size_t count) {
  return std::string(name) + std::string(kSuffixOpen) + std::to_string(count) +
         std::string(kSuffixClose);
}

std::string YearText(int year) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d", year);
  return text;
}

CatalogueNode Node(CatalogueNodeKind kind, std::string text, int image, int selectedImage, int year,
                   std::string page, std::string title = {}) {
  CatalogueNode node;
  node.kind = kind;
  node.text = std::move(text);
  node.image = image;
  node.selectedImage = selectedImage;
  node.year = year;
  node.page = std::move(page);
  node.title = std::move(title);
  return node;
}

CatalogueNode Root(std::string text, int image) {
  CatalogueNode root = Node(CatalogueNodeKind::kRoot, std::move(text), image, image, 0, {});
  root.expanded = true;
  return root;
}

// A grouping node opens what its first child opens.
void TakeTargetOfFirstChild(CatalogueNode& node) {
  if (node.children.empty()) return;
  node.year = node.children.front().year;
  node.page = node.children.front().page;
}

bool IsVersion(std::string_view name) { return EqualsNoCase(name, kVersionSection); }

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The year of a document file name of `way`, or none when the name is no
// document of that way.
std::optional<int> DocumentYear(std::string_view name, FreeLayoutWay way) {
  if (name.size() < 8 || !EqualsNoCase(name.substr(name.size() - 4), ".ini")) return std::nullopt;
  const std::string_view stem = name.substr(0, name.size() - 4);
  if (!AllDigits(stem.substr(0, 4))) return std::nullopt;
  if (way == FreeLayoutWay::kByDate) {
    if (stem.size() > 9 || !AllDigits(stem) || std::stoi(std::string(stem)) <= 1000) return std::nullopt;
  } else if (stem.size() < 5 || stem[4] != 'A' || std::stoi(std::string(stem.substr(0, 4))) <= 1000) {
    return std::nullopt;
  }
  return std::stoi(std::string(stem.substr(0, 4)));
}

std::optional<CatalogueDocument> ReadDocument(const std::string& path, int year, FileStore& store) {
  auto ini = TMemIniFile::Open(path, store);
  if (!ini.ok()) return std::nullopt;
  CatalogueDocument document;
  document.year = year;
  for (auto& name : ini.value()->SectionNames()) {
    std::vector<std::string> lines = ini.value()->SectionLines(name);
    document.sections.push_back({std::move(name), std::move(lines)});
  }
  return document;
}

}  // namespace

std::string PageNameOfNode(std::string_view text) {
  const size_t cut = text.find(kSuffixOpen);
  return std::string(cut == std::string_view::npos ? text : text.substr(0, cut));
}

std::string PageCountsText(const std::vector<std::string>& lines) {
  const int tabs = BuildTabStrip(lines).count;
  const auto titles = std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
    return IsCountedTitleLine(line);
  });
  const auto items = static_cast<long>(lines.size()) - titles;
  return std::string(kSuffixOpen) + std::to_string(tabs) + "/" + std::to_string(titles) + "/" +
         std::to_string(items) + std::string(kSuffixClose);
}

int ExpandedImage(int image) {
  switch (image) {
    case kTitleImage: return kTitleOpenImage;
    case kDatePageImage: return kDatePageOpenImage;
    case kAlbumPageImage: return kAlbumPageOpenImage;
    default: return image;
  }
}

int CollapsedImage(int image) {
  switch (image) {
    case kTitleOpenImage: return kTitleImage;
    case kDatePageOpenImage: return kDatePageImage;
    case kAlbumPageOpenImage: return kAlbumPageImage;
    default: return image;
  }
}

CatalogueTree BuildPageTree(const FreeLayoutDocument& document, const PageTreeMemory& memory) {
  const bool byAlbum = document.way() == FreeLayoutWay::kByAlbum;
  const int pageImage = byAlbum ? kAlbumPageImage : kDatePageImage;
  const int pageOpenImage = byAlbum ? kAlbumPageOpenImage : kDatePageOpenImage;
  CatalogueTree tree;
  tree.root = Root(YearText(document.year()) + "年" + (byAlbum ? "（アルバム）" : "（日付）"),
                   byAlbum ? kAlbumRootImage : kDateRootImage);
  for (const std::string& name : document.PageNames()) {
    const std::vector<std::string> lines = SortedLines(document.PageLines(name));
    CatalogueNode page = Node(CatalogueNodeKind::kPage, name + PageCountsText(lines), pageImage,
                              pageOpenImage, document.year(), name);
    for (const std::string& line : lines) {
      if (!IsCountedTitleLine(line)) continue;
      std::string title(ValueOf(line));
      page.children.push_back(
          Node(CatalogueNodeKind::kTitle, title, kTitleImage, kTitleOpenImage, document.year(), name, title));
    }
    page.expanded = std::any_of(memory.expandedPages.begin(), memory.expandedPages.end(),
                                [&](const std::string& expanded) { return expanded == name; });
    if (page.expanded) page.image = ExpandedImage(page.image);
    tree.root.children.push_back(std::move(page));
  }
  if (const auto index = FindPageNode(tree.root, memory.currentSection)) {
    const int pageIndex = static_cast<int>(*index);
    if (memory.selectedTitle.empty()) {
      tree.selected = std::vector<int>{pageIndex};
    } else if (const auto title = FindTitleNode(tree.root.children[*index].children, 0,
                                                memory.selectedTitle, document.way())) {
      tree.selected = std::vector<int>{pageIndex, static_cast<int>(*title)};
    }
  }
  return tree;
}

std::optional<size_t> FindTitleNode(const std::vector<CatalogueNode>& siblings, size_t first,
                                    std::string_view title, FreeLayoutWay way) {
  if (title.empty()) return std::nullopt;
  for (size_t i = first; i < siblings.size(); ++i) {
    const std::string& text = siblings[i].text;
    if (way == FreeLayoutWay::kByDate ? text == title : PageNameOfNode(text) == title) return i;
  }
  for (size_t i = first; i < siblings.size(); ++i) {
    if (siblings[i].text.starts_with(title)) return i;
  }
  return std::nullopt;
}

std::optional<size_t> FindPageNode(const CatalogueNode& root, std::string_view page) {
  for (size_t i = 0; i < root.children.size(); ++i) {
    if (EqualsNoCase(PageNameOfNode(root.children[i].text), page)) return i;
  }
  return std::nullopt;
}

void UpdateTitleNodes(CatalogueNode& root, FreeLayoutWay way, std::string_view page,
                      std::string_view oldTitle, std::string_view newTitle) {
  const int year = root.children.empty() ? 0 : root.children.front().year;
  auto makeTitle = [&](std::string_view title) {
    return Node(CatalogueNodeKind::kTitle, std::string(title), kTitleImage, kTitleOpenImage, year,
                std::string(page), std::string(title));
  };
  const auto pageIndex = FindPageNode(root, page);
  if (!pageIndex) {
    if (newTitle.empty()) return;
    const bool byAlbum = way == FreeLayoutWay::kByAlbum;
    CatalogueNode node = Node(CatalogueNodeKind::kPage, std::string(page),
                              byAlbum ? kAlbumPageImage : kDatePageImage,
                              byAlbum ? kAlbumPageOpenImage : kDatePageOpenImage, year, std::string(page));
    node.children.push_back(makeTitle(newTitle));
    root.children.push_back(std::move(node));
    return;
  }
  // Only the node of exactly the old title is patched: a title that merely
  // begins with it belongs to another tab.
  std::vector<CatalogueNode>& titles = root.children[*pageIndex].children;
  auto found = oldTitle.empty() ? titles.end()
                                : std::find_if(titles.begin(), titles.end(),
                                               [&](const CatalogueNode& node) { return node.text == oldTitle; });
  if (found == titles.end()) {
    if (!newTitle.empty()) titles.push_back(makeTitle(newTitle));
  } else if (newTitle.empty()) {
    titles.erase(found);
  } else {
    found->text = std::string(newTitle);
    found->title = std::string(newTitle);
  }
}

std::vector<CatalogueDocument> ReadCatalogueDocuments(const std::string& albumDir, FreeLayoutWay way,
                                                      std::optional<int> onlyYear, FileStore& store) {
  std::vector<std::pair<std::string, int>> files;
  if (onlyYear) {
    files.emplace_back(FreeLayoutFileName(*onlyYear, way), *onlyYear);
  } else {
    std::error_code error;
    for (std::filesystem::directory_iterator it(albumDir, error), end; !error && it != end;
         it.increment(error)) {
      const std::string name = it->path().filename().string();
      std::error_code kindError;
      if (it->is_directory(kindError)) continue;
      if (const auto year = DocumentYear(name, way)) files.emplace_back(name, *year);
    }
    std::sort(files.begin(), files.end());
  }
  std::vector<CatalogueDocument> documents;
  for (const auto& [name, year] : files) {
    if (auto document = ReadDocument(albumDir + name, year, store)) documents.push_back(std::move(*document));
  }
  return documents;
}

std::vector<CatalogueHit> FindTitleHits(const std::vector<CatalogueDocument>& documents, std::string_view text) {
  std::vector<CatalogueHit> hits;
  for (const CatalogueDocument& document : documents) {
    for (const CatalogueSection& section : document.sections) {
      if (IsVersion(section.name)) continue;
      const auto match = std::find_if(section.lines.begin(), section.lines.end(), [&](const std::string& line) {
        return IsSearchedTitleLine(line) && ValueOf(line).find(text) != std::string_view::npos;
      });
      if (match != section.lines.end()) hits.push_back({document.year, section.name, std::string(ValueOf(*match))});
    }
  }
  std::sort(hits.begin(), hits.end(), [](const CatalogueHit& a, const CatalogueHit& b) {
    return a.year != b.year ? a.year < b.year : CompareText(a.page, b.page) < 0;
  });
  return hits;
}

std::vector<CatalogueHit> FindAlbumHits(const std::vector<CatalogueDocument>& documents, std::string_view text) {
  std::vector<CatalogueHit> hits;
  for (const CatalogueDocument& document : documents) {
    for (const CatalogueSection& section : document.sections) {
      if (!IsVersion(section.name) && section.name.find(text) != std::string::npos) {
        hits.push_back({document.year, section.name, {}});
        break;  // one album per document
      }
    }
  }
  std::sort(hits.begin(), hits.end(), [](const CatalogueHit& a, const CatalogueHit& b) {
    return a.year != b.year ? a.year < b.year : CompareText(a.page, b.page) < 0;
  });
  return hits;
}

CatalogueTree TitleSearch(const std::vector<CatalogueDocument>& documents, std::string_view text,
                          int shownYear, bool allYears) {
  std::vector<std::pair<int, std::string>> found;
  for (CatalogueHit& hit : FindTitleHits(documents, text)) {
    if (allYears || hit.year == shownYear) found.emplace_back(hit.year, std::move(hit.page));
  }

  CatalogueTree tree;
  const std::string title(text);
  tree.root = Root((allYears ? std::string("全ての") : YearText(shownYear)) + "年の" + title,
                   kDateSearchRootImage);
  for (const auto& [year, page] : found) {
    CatalogueNode node =
        Node(CatalogueNodeKind::kPage, page, kDatePageImage, kDatePageOpenImage, year, page, title);
    if (!allYears) {
      tree.root.children.push_back(std::move(node));
      continue;
    }
    if (tree.root.children.empty() || tree.root.children.back().year != year) {
      tree.root.children.push_back(
          Node(CatalogueNodeKind::kYear, {}, kDatePageImage, kDatePageOpenImage, year, page, title));
    }
    tree.root.children.back().children.push_back(std::move(node));
  }
  if (allYears) {
    for (CatalogueNode& yearNode : tree.root.children) {
      yearNode.text = WithCount(YearText(yearNode.year), yearNode.children.size());
    }
  }
  return tree;
}

CatalogueTree AllTitles(const std::vector<CatalogueDocument>& documents, int shownYear, bool allYears) {
  struct Entry {
    std::string title;
    int year;
    std::string page;
  };
  std::vector<Entry> entries;
  for (const CatalogueDocument& document : documents) {
    if (!allYears && document.year != shownYear) continue;
    for (const CatalogueSection& section : document.sections) {
      if (IsVersion(section.name)) continue;
      for (const std::string& line : section.lines) {
        if (IsSearchedTitleLine(line)) entries.push_back({std::string(ValueOf(line)), document.year, section.name});
      }
    }
  }
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    if (const int byTitle = CompareText(a.title, b.title); byTitle != 0) return byTitle < 0;
    if (a.year != b.year) return a.year < b.year;
    return CompareText(a.page, b.page) < 0;
  });

  CatalogueTree tree;
  tree.root = Root((allYears ? std::string("全ての") : YearText(shownYear)) + "年のタイトル",
                   kDateSearchRootImage);
  const std::string* previous = nullptr;
  for (const Entry& entry : entries) {
    if (previous == nullptr || *previous != entry.title) {
      // A title node opens the page of its first child at its first tab.
      tree.root.children.push_back(
          Node(CatalogueNodeKind::kTitle, {}, kTitleImage, kTitleOpenImage, entry.year, entry.page));
    }
    previous = &entry.title;
    CatalogueNode& group = tree.root.children.back();
    const std::string shown = allYears ? YearText(entry.year) + "/" + entry.page : entry.page;
    group.children.push_back(Node(CatalogueNodeKind::kPage, shown, kDatePageImage, kDatePageOpenImage,
                                  entry.year, entry.page, entry.title));
    group.text = WithCount(entry.title, group.children.size());
  }
  return tree;
}

namespace {

// One album node per name with its years below, in the order the names
// come; the years of each name ascending.
CatalogueTree AlbumTree(std::string rootText, const std::vector<std::pair<std::string, int>>& hits) {
  CatalogueTree tree;
  tree.root = Root(std::move(rootText), kAlbumSearchRootImage);
  for (const auto& hit : hits) {
    // Named, not bound: a lambda may not capture a structured binding
    // before C++20 compilers caught up (clang 15 refuses it).
    const std::string& name = hit.first;
    const int year = hit.second;
    auto album = std::find_if(tree.root.children.begin(), tree.root.children.end(),
                              [&](const CatalogueNode& node) { return node.page == name; });
    if (album == tree.root.children.end()) {
      tree.root.children.push_back(
          Node(CatalogueNodeKind::kAlbum, {}, kAlbumPageImage, kAlbumPageOpenImage, year, name));
      album = tree.root.children.end() - 1;
    }
    album->children.push_back(
        Node(CatalogueNodeKind::kYear, YearText(year), kDatePageImage, kDatePageOpenImage, year, name));
  }
  for (CatalogueNode& album : tree.root.children) {
    std::stable_sort(album.children.begin(), album.children.end(),
                     [](const CatalogueNode& a, const CatalogueNode& b) { return a.year < b.year; });
    TakeTargetOfFirstChild(album);
    album.text = WithCount(album.page, album.children.size());
  }
  return tree;
}

}  // namespace

CatalogueTree AlbumNameSearch(const std::vector<CatalogueDocument>& documents, std::string_view text) {
  std::vector<std::pair<std::string, int>> hits;
  for (CatalogueHit& hit : FindAlbumHits(documents, text)) hits.emplace_back(std::move(hit.page), hit.year);
  return AlbumTree("全ての年の" + std::string(text), hits);
}

CatalogueTree AllAlbums(const std::vector<CatalogueDocument>& documents) {
  std::vector<std::pair<std::string, int>> hits;
  for (const CatalogueDocument& document : documents) {
    for (const CatalogueSection& section : document.sections) {
      if (!IsVersion(section.name)) hits.emplace_back(section.name, document.year);
    }
  }
  std::sort(hits.begin(), hits.end(), [](const auto& a, const auto& b) {
    if (const int byName = CompareText(a.first, b.first); byName != 0) return byName < 0;
    return a.second < b.second;
  });
  return AlbumTree("全ての年のアルバム", hits);
}

std::vector<std::string> AllTabTitles(const std::vector<CatalogueDocument>& documents) {
  std::vector<std::string> titles;
  for (const CatalogueDocument& document : documents) {
    for (const CatalogueSection& section : document.sections) {
      if (IsVersion(section.name)) continue;
      for (const std::string& line : section.lines) {
        if (IsSearchedTitleLine(line)) titles.emplace_back(ValueOf(line));
      }
    }
  }
  std::sort(titles.begin(), titles.end(), TextLess());
  titles.erase(std::unique(titles.begin(), titles.end()), titles.end());
  return titles;
}

std::vector<std::string> AllPageNames(const std::vector<CatalogueDocument>& documents) {
  std::vector<std::string> names;
  for (const CatalogueDocument& document : documents) {
    for (const CatalogueSection& section : document.sections) {
      if (!IsVersion(section.name)) names.push_back(section.name);
    }
  }
  std::sort(names.begin(), names.end(), TextLess());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

std::vector<std::string> StripNumberSuffix(std::vector<std::string> list) {
  for (std::string& entry : list) {
    if (entry.empty() || (entry[0] >= '0' && entry[0] <= '9')) continue;
    // Only single-byte digits cut: a UTF-8 sequence never holds a byte in
    // '0'..'9', so a byte scan skips multi-byte characters whole.
    const size_t digit = entry.find_first_of("0123456789");
    if (digit != std::string::npos) entry.resize(digit);
  }
  list.erase(std::unique(list.begin(), list.end()), list.end());
  return list;
}

std::string NewAlbumPageName(const std::vector<std::string>& pageNames) {
  for (int n = 1;; ++n) {
    std::string name = "無題" + std::to_string(n);
    if (std::none_of(pageNames.begin(), pageNames.end(),
                     [&](const std::string& taken) { return EqualsNoCase(taken, name); })) {
      return name;
    }
  }
}

std::string FreeName(std::string_view name, const std::vector<std::string>& taken) {
  auto isTaken = [&](std::string_view candidate) {
    return std::any_of(taken.begin(), taken.end(),
                       [&](const std::string& other) { return EqualsNoCase(other, candidate); });
  };
  if (!isTaken(name)) return std::string(name);
  for (int n = 1;; ++n) {
    std::string candidate = std::string(name) + std::to_string(n);
    if (!isTaken(candidate)) return candidate;
  }
}

Status CheckAlbumName(std::string_view name) {
  if (name.empty()) return Status::Error("アルバム名を入力してください");
  if (IsVersion(name) || name.find(kSuffixOpen) != std::string_view::npos || HasControlCharacter(name)) {
    return Status::Error("アルバム名 '" + std::string(name) + "' は使えません");
  }
  return Status::Ok();
}

std::optional<std::string> AdjacentPage(const std::vector<std::string>& pageNames, std::string_view current,
                                        bool next) {
  if (pageNames.empty()) return std::nullopt;
  const auto at = std::find_if(pageNames.begin(), pageNames.end(),
                               [&](const std::string& name) { return EqualsNoCase(name, current); });
  if (at == pageNames.end()) return pageNames.front();
  if (next) {
    if (at + 1 == pageNames.end()) return std::nullopt;
    return *(at + 1);
  }
  if (at == pageNames.begin()) return std::nullopt;
  return *(at - 1);
}

std::vector<std::string> MoveTabEarlierLines(const std::vector<std::string>& lines, int tab) {
  if (tab < 1) return lines;
  const std::string earlier = TabKey(tab - 1);
  const std::string later = TabKey(tab);
  std::vector<std::string> moved = lines;
  for (std::string& line : moved) {
    const int number = TabNumberOf(line);
    if (number == tab - 1) {
      line.replace(0, 2, later);
    } else if (number == tab) {
      line.replace(0, 2, earlier);
    }
  }
  return moved;
}

}  // namespace lumidex
