#pragma once

#include <QObject>

class QAbstractButton;
class QLabel;

namespace lumidex {

class AlbumStore;
class ImageListPanel;

// The page side's toolbar and name panel over the image list panel:
// "戻る" (`SpeedButton14`), "適用" (`SpeedButton28`) and "サイズ"
// (`SpeedButton17`) act on the list, whose own buttons for them give way,
// and `NamePanel` shows the list's heading. "↑" and "↓" (`SpeedButton15`,
// `SpeedButton16`) move the selected entries. "全ページ" (`AllPageSpBtn`)
// switches the page list between the pages of the shown year and all
// pages. "戻る", "↑", "↓" and "適用" show only while a page or sub-album is
// open;
// "全ページ", which does nothing then, makes room for them.
// Main thread only; every argument must outlive this object.
class PageSideCommands : public QObject {
  Q_OBJECT

 public:
  // `pageSide` holds the toolbar and the name panel (the window will do).
  PageSideCommands(QWidget& pageSide, ImageListPanel& list, AlbumStore& album,
                   QObject* parent = nullptr);

  // Follows what the list shows now: the heading and the buttons of an
  // open container.
  void Refresh();

 private:
  void ShowAllPages(bool all);

  ImageListPanel& list_;
  AlbumStore& album_;
  QLabel* namePanel_ = nullptr;
  QAbstractButton* back_ = nullptr;
  QAbstractButton* apply_ = nullptr;
  QAbstractButton* up_ = nullptr;
  QAbstractButton* down_ = nullptr;
  QAbstractButton* size_ = nullptr;
  QAbstractButton* allPages_ = nullptr;
};

}  // namespace lumidex
