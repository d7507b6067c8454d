#include "freelayout/ui/free_layout_tree.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>

#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

// The window's shared pictures stand for the node kinds: the desktop's
// drive, folder and file pictures.
QIcon IconOf(int image) {
  QStyle* style = QApplication::style();
  switch (image) {
    case kDateRootImage:
    case kAlbumRootImage: return style->standardIcon(QStyle::SP_DriveHDIcon);
    case kDateSearchRootImage:
    case kAlbumSearchRootImage: return style->standardIcon(QStyle::SP_FileDialogContentsView);
    case kDatePageImage:
    case kAlbumPageImage: return style->standardIcon(QStyle::SP_DirClosedIcon);
    case kDatePageOpenImage:
    case kAlbumPageOpenImage: return style->standardIcon(QStyle::SP_DirOpenIcon);
    default: return style->standardIcon(QStyle::SP_FileIcon);
  }
}

CatalogueNode* NodeAt(CatalogueNode& root, const std::vector<int>& path) {
  CatalogueNode* node = &root;
  for (int index : path) {
    if (index < 0 || index >= static_cast<int>(node->children.size())) return nullptr;
    node = &node->children[static_cast<size_t>(index)];
  }
  return node;
}

}  // namespace

FreeLayoutTree::FreeLayoutTree(QWidget* parent) : QTreeWidget(parent) {
  setObjectName(QStringLiteral("TreeView1"));
  setHeaderHidden(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setToolTip(QStringLiteral("(ページ数/タイトル名の数/画像数)"));
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { SyncExpansion(item, true); });
  connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) { SyncExpansion(item, false); });
}

void FreeLayoutTree::SetTree(CatalogueTree tree) {
  tree_ = std::move(tree);
  const QSignalBlocker blocker(this);
  clear();
  QTreeWidgetItem* root = AddItem(nullptr, tree_.root, {});
  addTopLevelItem(root);
  // Expansion after the items exist: Qt expands only items in the tree.
  std::function<void(QTreeWidgetItem*, const CatalogueNode&)> expand = [&](QTreeWidgetItem* item,
                                                                          const CatalogueNode& node) {
    item->setExpanded(node.expanded);
    for (int i = 0; i < item->childCount(); ++i) expand(item->child(i), node.children[static_cast<size_t>(i)]);
  };
  expand(root, tree_.root);
  if (tree_.selected) {
    if (QTreeWidgetItem* selected = ItemAt(*tree_.selected)) {
      setCurrentItem(selected);
      scrollToItem(selected);
    }
  }
  // Selecting a title expands its page: the model and the pictures follow.
  std::function<void(QTreeWidgetItem*)> sync = [&](QTreeWidgetItem* item) {
    SyncExpansion(item, item->isExpanded());
    for (int i = 0; i < item->childCount(); ++i) sync(item->child(i));
  };
  sync(root);
}

void FreeLayoutTree::ShowModelAgain() {
  tree_.selected.reset();
  if (currentItem() != nullptr) tree_.selected = PathOf(currentItem());
  SetTree(std::move(tree_));
}

PageTreeMemory FreeLayoutTree::Memory(const std::string& currentSection) const {
  PageTreeMemory memory;
  memory.currentSection = currentSection;
  if (topLevelItemCount() == 0) return memory;
  const QTreeWidgetItem* root = topLevelItem(0);
  for (int i = 0; i < root->childCount(); ++i) {
    if (root->child(i)->isExpanded()) memory.expandedPages.push_back(PageNameOfNode(ToStdString(root->child(i)->text(0))));
  }
  if (const QTreeWidgetItem* item = currentItem(); item != nullptr && item->parent() != nullptr &&
                                                   item->parent()->parent() != nullptr) {
    memory.selectedTitle = ToStdString(item->text(0));
  }
  return memory;
}

void FreeLayoutTree::SelectPageNode(const std::string& page, const std::string& title, bool pageOnly,
                                    FreeLayoutWay way) {
  if (!isVisible() || topLevelItemCount() == 0) return;
  const QSignalBlocker blocker(this);
  QTreeWidgetItem* root = topLevelItem(0);
  for (int i = 0; i < root->childCount(); ++i) {
    QTreeWidgetItem* item = root->child(i);
    if (PageNameOfNode(ToStdString(item->text(0))) != page) continue;
    setCurrentItem(item);
    if (pageOnly || item->childCount() == 0) return;
    const CatalogueNode* node = NodeOf(item);
    if (node == nullptr) return;
    if (const auto found = FindTitleNode(node->children, 0, title, way)) {
      setCurrentItem(item->child(static_cast<int>(*found)));
      return;
    }
  }
}

void FreeLayoutTree::RemovePageNode(const std::string& page, const std::string& title) {
  const auto index = FindPageNode(tree_.root, page);
  if (!index) return;
  std::vector<CatalogueNode>& pages = tree_.root.children;
  if (title.empty()) {
    pages.erase(pages.begin() + static_cast<long>(*index));
  } else {
    std::vector<CatalogueNode>& titles = pages[*index].children;
    const auto found = std::find_if(titles.begin(), titles.end(),
                                    [&](const CatalogueNode& node) { return node.text == title; });
    if (found != titles.end()) titles.erase(found);
  }
  // The selection may point past the removed node: it goes to the root.
  const QSignalBlocker blocker(this);
  setCurrentItem(topLevelItemCount() > 0 ? topLevelItem(0) : nullptr);
  ShowModelAgain();
}

const CatalogueNode* FreeLayoutTree::NodeOf(const QTreeWidgetItem* item) const {
  if (item == nullptr) return nullptr;
  return NodeAt(const_cast<CatalogueNode&>(tree_.root), PathOf(item));
}

int FreeLayoutTree::SelectedLevel() const {
  const QTreeWidgetItem* item = currentItem();
  if (item == nullptr) return -1;
  int level = 0;
  for (const QTreeWidgetItem* up = item->parent(); up != nullptr; up = up->parent()) ++level;
  return level;
}

QTreeWidgetItem* FreeLayoutTree::AddItem(QTreeWidgetItem* parent, const CatalogueNode& node,
                                         const std::vector<int>& path) {
  auto* item = parent == nullptr ? new QTreeWidgetItem() : new QTreeWidgetItem(parent);
  item->setText(0, ToQString(node.text));
  item->setIcon(0, IconOf(node.image));
  std::vector<int> childPath = path;
  childPath.push_back(0);
  for (const CatalogueNode& child : node.children) {
    AddItem(item, child, childPath);
    ++childPath.back();
  }
  return item;
}

std::vector<int> FreeLayoutTree::PathOf(const QTreeWidgetItem* item) const {
  std::vector<int> path;
  for (; item != nullptr && item->parent() != nullptr; item = item->parent()) {
    path.insert(path.begin(), item->parent()->indexOfChild(const_cast<QTreeWidgetItem*>(item)));
  }
  return path;
}

QTreeWidgetItem* FreeLayoutTree::ItemAt(const std::vector<int>& path) const {
  if (topLevelItemCount() == 0) return nullptr;
  QTreeWidgetItem* item = topLevelItem(0);
  for (int index : path) {
    if (index < 0 || index >= item->childCount()) return nullptr;
    item = item->child(index);
  }
  return item;
}

void FreeLayoutTree::OpenItem(QTreeWidgetItem* item) {
  const CatalogueNode* node = NodeOf(item);
  if (node == nullptr || node->kind == CatalogueNodeKind::kRoot) return;
  const CatalogueNode copy = *node;  // opening may rebuild the tree
  emit nodeOpened(copy);
}

void FreeLayoutTree::SyncExpansion(QTreeWidgetItem* item, bool expanded) {
  CatalogueNode* node = NodeAt(tree_.root, PathOf(item));
  if (node == nullptr || item->childCount() == 0) return;
  node->expanded = expanded;
  node->image = expanded ? ExpandedImage(node->image) : CollapsedImage(node->image);
  item->setIcon(0, IconOf(node->image));
}

void FreeLayoutTree::mousePressEvent(QMouseEvent* event) {
  QTreeWidgetItem* target = itemAt(event->position().toPoint());
  if (target != nullptr && target != currentItem() && guard_ && !guard_()) {
    event->accept();  // the question was cancelled: the selection stays
    return;
  }
  QTreeWidget::mousePressEvent(event);
  // Opened at the press: after a save question the release may never come.
  if (event->button() == Qt::LeftButton && target != nullptr && currentItem() == target) OpenItem(target);
}

void FreeLayoutTree::keyPressEvent(QKeyEvent* event) {
  const bool moves = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
  if (moves && guard_ && !guard_()) {
    event->accept();
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

// Up and Down open the node reached, unless it is the root or a page that
// groups titles (the user is only passing through).
void FreeLayoutTree::keyReleaseEvent(QKeyEvent* event) {
  QTreeWidget::keyReleaseEvent(event);
  if (event->key() != Qt::Key_Up && event->key() != Qt::Key_Down) return;
  QTreeWidgetItem* item = currentItem();
  if (item == nullptr || item->parent() == nullptr) return;
  if (item->parent()->parent() == nullptr && item->childCount() > 0) return;
  OpenItem(item);
}

}  // namespace lumidex
