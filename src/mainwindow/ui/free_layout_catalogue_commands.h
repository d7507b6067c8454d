#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "freelayout/free_layout_catalogue.h"

class QAction;
class QMenu;

namespace lumidex {

class AlbumStore;
class CalendarController;
class FreeLayoutTree;
class FreeLayoutView;
class TForm1;

// The free layout catalogue in the window: the page tree `TreeView1` shown
// by "一覧" (`TreeOnSpBtn`, a right press rebuilds it) with its menu
// `PopupMenu9` (new album page, add tab, rename album, search, expand and
// collapse all, delete page), the tab strip's menu `PopupMenu8` (rename and
// delete tab), "タブの追加", "一つ前に移動", the previous and next page
// buttons, and the way switch "日付" (`AlbDayRegBtn`). Every command that
// would drop unsaved edits asks the view's save question first. Main
// thread only; the window, view, store and calendar must outlive it.
class FreeLayoutCatalogueCommands : public QObject {
  Q_OBJECT

 public:
  // `datePage` gives the page "mm/dd" the by-date way shows when the view
  // is entered (the open page, else the selected day's).
  FreeLayoutCatalogueCommands(TForm1& window, FreeLayoutView& view, AlbumStore& album,
                              CalendarController& calendar, std::function<std::string()> datePage,
                              QObject* parent);

  // The tree shows a search result rather than the standard tree.
  bool searchResult() const { return searchResult_; }

 private:
  bool byAlbum() const;
  FreeLayoutWay way() const;
  int shownYear() const;
  FreeLayoutDocument* document() const;
  bool TreeShown() const;

  void ShowTree(bool shown);
  void RebuildTree();
  void RebuildLater();
  void SelectShownNode(bool pageOnly);
  void ShowTreeMenu(const QPoint& point);
  void OpenNode(const CatalogueNode& node);
  void OpenPage(int year, const std::string& page, const std::string& title);
  // After the shown page went: shows `next`, or an empty canvas for "".
  void ShowPageAfterRemoval(const std::string& next);

  void NewPage();
  void AddTab();
  void RenameAlbum();
  void DeletePage();
  void Search();
  void RenameTab();
  void DeleteTab();
  void MoveTabEarlier();
  void StepPage(bool next);
  void SwitchWay(bool byDate);
  void ShowWay();

  bool Ask(const QString& caption, const QString& text) const;
  void Report(const Status& status) const;
  // The title line value of tab `tab` of the shown page, "" for none.
  std::string TitleOfTab(int tab) const;

  TForm1& window_;
  FreeLayoutView& view_;
  AlbumStore& album_;
  CalendarController& calendar_;
  const std::function<std::string()> datePage_;
  const std::string albumDir_;
  FreeLayoutTree* tree_ = nullptr;
  QMenu* treeMenu_ = nullptr;  // PopupMenu9
  QAction* newPage_ = nullptr;
  QAction* addTab_ = nullptr;
  QAction* renameAlbum_ = nullptr;
  QAction* search_ = nullptr;
  QAction* deletePage_ = nullptr;

  bool searchResult_ = false;
  bool rebuildPending_ = false;
  QString lastSearchText_;
  bool allYearsChecked_ = false;
};

}  // namespace lumidex
