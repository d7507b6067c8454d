#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "mainwindow/list_menu_additions.h"

class QAction;
class QCheckBox;
class QMenu;

namespace lumidex {

class AlbumStore;
class ImageListPanel;
class TForm1;
class ThumbnailCache;

// The facts of the list's menu for the window's items, as the list is now.
ListMenuAdditionFacts ListMenuFactsOf(ImageListPanel& list, const ThumbnailCache* cache);

// The window's remaining items of the image list's menu `PopupMenu2`:
// "この日に移動" (the page side's button of that name), "ディスクキャッシュの更新"
// (UpdateSelectedCache over the files of the selection, after a question
// with "全て上書きする"; the thumbnails held in memory follow), "Exif(&I)"
// (checked with the list's "Exif" box, either setting the other) and
// "プロパティ" (a page's use in other years or its cover's properties, or,
// with several pages selected of which the first has a fixed cover, the
// properties of their files; one file's properties; several files of one
// folder in FileSetPropertiesDlg).
// It also puts "名前" into "変更" and the two searches into "検索(&S)", and
// lays the menu's items out in their order, once every command that adds
// items has done so (Arrange).
//
// Main thread only; the window, list and store must outlive it; `cache`
// may be null.
class ListMenuCommands : public QObject {
  Q_OBJECT

 public:
  // `pageUse` shows the page use of the "yyyy/mm/dd" date (the album list
  // window's page use form, or the cover file's properties).
  ListMenuCommands(TForm1& window, ImageListPanel& list, AlbumStore& album, ThumbnailCache* cache,
                   std::function<void(const std::string& date)> pageUse, QObject* parent);

  // Orders the menu's items (and the submenus "変更" and "検索(&S)"), once:
  // when the menu first opens, after every command object has added its
  // items, or earlier by this call.
  void Arrange();

  // "プロパティ" for the selection.
  void ShowProperties();
  // "ディスクキャッシュの更新" for the selection; false when not run.
  bool UpdateCache();

  QAction* goToDayAction() const { return goToDay_; }
  QAction* cacheUpdateAction() const { return cacheUpdate_; }
  QAction* exifAction() const { return exif_; }
  QAction* propertiesAction() const { return properties_; }

 private:
  void Prepare();
  // The files of the selection for copying, properties and the cache.
  std::vector<std::string> SelectedFiles() const;

  TForm1& window_;
  ImageListPanel& list_;
  AlbumStore& album_;
  ThumbnailCache* const cache_;
  const std::function<void(const std::string&)> pageUse_;
  QCheckBox* exifBox_ = nullptr;
  QAction* goToDay_ = nullptr;
  QAction* cacheUpdate_ = nullptr;
  QAction* exif_ = nullptr;
  QAction* properties_ = nullptr;
  QAction* search_ = nullptr;  // the "検索(&S)" submenu
  bool arranged_ = false;
};

}  // namespace lumidex
