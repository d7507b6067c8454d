#pragma once

#include <QMenu>

#include "imagelist/page_menu_rules.h"

namespace lumidex {

class ImageListPanel;

// The list's popup menu ("PopupMenu2"): "画像の追加" ("フォルダから検索",
// "ファイルを選択"), the open item named after the selection,
// "サブアルバムの作成", "配置(&M)" ("切り取り(&T)", "挿入", "名前で整列",
// "種類で整列", "パスで整列"), "コピー(&C)", "コピー（アルバム情報）",
// "貼り付け(&P)", "名前", "削除(&D)", "コメントの編集" and "元に戻す(&U)".
// The page and sub-album commands and the sorts are wired to the panel
// here; the commands that bring files in or use the clipboard are wired by
// the window, which owns the registration. Owned by the panel.
class ListPopupMenu : public QMenu {
  Q_OBJECT

 public:
  explicit ListPopupMenu(ImageListPanel& panel);

  // Shows, hides, enables and names the items for `facts`.
  void Prepare(const ListPopupFacts& facts);

  QAction* addFromFolderAction() const { return addFromFolder_; }
  QAction* addFromDialogAction() const { return addFromDialog_; }
  QAction* openAction() const { return open_; }
  QAction* createSubAlbumAction() const { return createSubAlbum_; }
  QAction* cutAction() const { return cut_; }
  QAction* insertAction() const { return insert_; }
  QAction* sortByNameAction() const { return sortByName_; }
  QAction* sortByTypeAction() const { return sortByType_; }
  QAction* sortByPathAction() const { return sortByPath_; }
  QAction* copyAction() const { return copy_; }
  QAction* copyAlbumInfoAction() const { return copyAlbumInfo_; }
  QAction* pasteAction() const { return paste_; }
  QAction* renameAction() const { return rename_; }
  QAction* deleteAction() const { return delete_; }
  QAction* commentAction() const { return comment_; }
  QAction* revertAction() const { return revert_; }
  // "スライドタイプのリストに追加": the selected page of the page list.
  QAction* dayListAction() const { return dayList_; }
  // "高画質" (HiQuoMenu), checkable; the window keeps it with "高画質".
  QAction* highQualityAction() const { return highQuality_; }

 private:
  QAction* addImages_;
  QAction* addFromFolder_;
  QAction* addFromDialog_;
  QAction* open_;
  QAction* createSubAlbum_;
  QAction* arrange_;
  QAction* cut_;
  QAction* insert_;
  QAction* sortByName_;
  QAction* sortByType_;
  QAction* sortByPath_;
  QAction* copy_;
  QAction* copyAlbumInfo_;
  QAction* paste_;
  QAction* rename_;
  QAction* delete_;
  QAction* comment_;
  QAction* revert_;
  QAction* dayList_;
  QAction* highQuality_;
};

}  // namespace lumidex
