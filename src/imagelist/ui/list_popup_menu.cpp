#include "imagelist/ui/list_popup_menu.h"

#include <QPlainTextEdit>

#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/memo_panel.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

ListPopupMenu::ListPopupMenu(ImageListPanel& panel) : QMenu(&panel) {
  setObjectName(QStringLiteral("PopupMenu2"));
  open_ = addAction(QStringLiteral("ページを開く"));
  createSubAlbum_ = addAction(QStringLiteral("サブアルバムの作成"));
  addSeparator();
  rename_ = addAction(QStringLiteral("名前"));
  delete_ = addAction(QStringLiteral("削除(&D)"));
  comment_ = addAction(QStringLiteral("コメントの編集"));
  revert_ = addAction(QStringLiteral("元に戻す(&U)"));
  connect(open_, &QAction::triggered, &panel, [&panel] {
    const QVector<int> rows = panel.view()->SelectedRows();
    if (!rows.isEmpty()) panel.OpenFromMenu(rows.front());
  });
  connect(createSubAlbum_, &QAction::triggered, &panel, [&panel] { panel.CreateSubAlbum(""); });
  connect(rename_, &QAction::triggered, &panel, &ImageListPanel::RenameSelected);
  connect(delete_, &QAction::triggered, &panel, &ImageListPanel::DeleteSelected);
  connect(comment_, &QAction::triggered, &panel, [&panel] { panel.memo()->editor()->setFocus(); });
  connect(revert_, &QAction::triggered, &panel, &ImageListPanel::RevertChanges);
}

void ListPopupMenu::Prepare(const ListPopupFacts& facts) {
  const ListPopupItems items = ListPopupFor(facts);
  open_->setText(ToQString(items.openText));
  open_->setVisible(items.openVisible);
  open_->setEnabled(items.openEnabled);
  createSubAlbum_->setVisible(items.createSubAlbum);
  rename_->setVisible(items.rename);
  rename_->setEnabled(items.renameEnabled);
  delete_->setVisible(items.remove);
  delete_->setEnabled(items.removeEnabled);
  comment_->setVisible(items.editComment);
  revert_->setVisible(items.revert);
}

}  // namespace lumidex
