#pragma once

#include <QMenu>

#include "imagelist/page_menu_rules.h"

namespace lumidex {

class ImageListPanel;

// The page and sub-album part of the list's popup menu ("PopupMenu2"): the
// open item named after the selection, "サブアルバムの作成", "名前",
// "削除(&D)", "コメントの編集" and "元に戻す(&U)", each wired to the panel.
// The window may add its own commands (copy, paste, favourites) after
// these. Owned by the panel.
class ListPopupMenu : public QMenu {
  Q_OBJECT

 public:
  explicit ListPopupMenu(ImageListPanel& panel);

  // Shows, hides, enables and names the items for `facts`.
  void Prepare(const ListPopupFacts& facts);

  QAction* openAction() const { return open_; }
  QAction* createSubAlbumAction() const { return createSubAlbum_; }
  QAction* renameAction() const { return rename_; }
  QAction* deleteAction() const { return delete_; }
  QAction* commentAction() const { return comment_; }
  QAction* revertAction() const { return revert_; }

 private:
  QAction* open_;
  QAction* createSubAlbum_;
  QAction* rename_;
  QAction* delete_;
  QAction* comment_;
  QAction* revert_;
};

}  // namespace lumidex
