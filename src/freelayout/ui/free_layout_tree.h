#pragma once

#include <QTreeWidget>
#include <functional>
#include <string>

#include "freelayout/free_layout_catalogue.h"

namespace lumidex {

// The free layout's page tree `TreeView1`: shows a CatalogueTree (the
// standard tree of the open document or a search result) and keeps it as
// its model, so commands patch the model and the widget shows it again with
// the expansion and selection it had. A left press, or Up/Down released on
// a node, opens that node (nodeOpened); before the user moves the selection
// away, the selection guard (the save question) may refuse the move. Labels
// cannot be edited; the selection stays visible without the focus. Main
// thread only.
class FreeLayoutTree : public QTreeWidget {
  Q_OBJECT

 public:
  explicit FreeLayoutTree(QWidget* parent = nullptr);

  // Shows `tree` with its own expansion and selection.
  void SetTree(CatalogueTree tree);
  const CatalogueTree& tree() const { return tree_; }
  // Shows the model again after a patch, keeping expansion and selection.
  void ShowModelAgain();
  CatalogueNode& model() { return tree_.root; }

  // What a rebuild of the standard tree must keep: the expanded pages and
  // the selected title.
  PageTreeMemory Memory(const std::string& currentSection) const;

  // Selects the node of `page` and, unless `pageOnly`, its title node
  // FindTitleNode(title); no signal. Nothing happens for a page without node.
  void SelectPageNode(const std::string& page, const std::string& title, bool pageOnly, FreeLayoutWay way);
  // Removes the node of `page` (`title` empty), or its first title node
  // whose text is `title`.
  void RemovePageNode(const std::string& page, const std::string& title);

  // The node of `item` in the model; nullptr for none.
  const CatalogueNode* NodeOf(const QTreeWidgetItem* item) const;
  const CatalogueNode* SelectedNode() const { return NodeOf(currentItem()); }
  // The level of the selected node: 0 root, 1 page, 2 below; -1 none.
  int SelectedLevel() const;

  // Asked before the user moves the selection to another node; false keeps
  // the selection (the save question was cancelled).
  void SetSelectionGuard(std::function<bool()> guard) { guard_ = std::move(guard); }

 signals:
  // The user opened `node` (a copy: the tree may be rebuilt meanwhile).
  void nodeOpened(const lumidex::CatalogueNode& node);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const CatalogueNode& node, const std::vector<int>& path);
  std::vector<int> PathOf(const QTreeWidgetItem* item) const;
  QTreeWidgetItem* ItemAt(const std::vector<int>& path) const;
  void OpenItem(QTreeWidgetItem* item);
  void SyncExpansion(QTreeWidgetItem* item, bool expanded);

  CatalogueTree tree_;
  std::function<bool()> guard_;
};

}  // namespace lumidex
