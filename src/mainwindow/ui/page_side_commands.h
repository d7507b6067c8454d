#pragma once

#include <QObject>

namespace lumidex {

class AlbumStore;
class ImageListPanel;
class PageSidePanel;

// The page side's toolbar and name panel over the image list panel:
// "戻る" (`SpeedButton14`) and "適用" (`SpeedButton28`) act on the list,
// "サイズ" (`SpeedButton17`) switches its picture size, and `NamePanel` shows
// the list's heading. "↑" and "↓" (`SpeedButton15`, `SpeedButton16`) move
// the selected entries. "全ページ" (`AllPageSpBtn`) switches the page list
// between the pages of the shown year and all pages. "戻る", "↑", "↓" and
// "適用" show only while a page or sub-album is open; "全ページ", which does
// nothing then, makes room for them. "コメント" (`CommentSpBtn`) shows and
// hides the list's comment editor.
// Main thread only; every argument must outlive this object.
class PageSideCommands : public QObject {
  Q_OBJECT

 public:
  PageSideCommands(PageSidePanel& pageSide, ImageListPanel& list, AlbumStore& album,
                   QObject* parent = nullptr);

  // Follows what the list shows now: the heading and the buttons of an
  // open container.
  void Refresh();

 private:
  void ShowAllPages(bool all);

  PageSidePanel& pageSide_;
  ImageListPanel& list_;
  AlbumStore& album_;
};

}  // namespace lumidex
