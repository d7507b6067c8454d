#include "imagelist/ui/list_popup_menu.h"

#include <QPlainTextEdit>

#include "album/entry_moves.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/memo_panel.h"
#include "platform/ui/control_hint.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

QAction* AddSubMenu(QMenu* menu, const char* name, const QString& caption, QMenu*& sub) {
  sub = new QMenu(caption, menu);
  QAction* action = menu->addMenu(sub);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

ListPopupMenu::ListPopupMenu(ImageListPanel& panel) : QMenu(&panel) {
  setObjectName(QStringLiteral("PopupMenu2"));
  QMenu* addImages = nullptr;
  addImages_ = AddSubMenu(this, "FileAddMenu2", QStringLiteral("画像の追加"), addImages);
  addFromFolder_ = AddMenuCommand(addImages, "FolderSearchMenu2", QStringLiteral("フォルダから検索"));
  addFromDialog_ = AddMenuCommand(addImages, "FileSelectMenu2", QStringLiteral("ファイルを選択"));
  open_ = AddMenuCommand(this, "OpenMenu", QStringLiteral("ページを開く"));
  createSubAlbum_ = AddMenuCommand(this, "CreateSubAlbumMenu2", QStringLiteral("サブアルバムの作成"));
  addSeparator();
  QMenu* arrange = nullptr;
  arrange_ = AddSubMenu(this, "ArrangeMenu", QStringLiteral("配置(&M)"), arrange);
  cut_ = AddMenuCommand(arrange, "CutMenu", QStringLiteral("切り取り(&T)"));
  insert_ = AddMenuCommand(arrange, "InsertMenu", QStringLiteral("挿入"));
  arrange->addSeparator();
  sortByName_ = AddMenuCommand(arrange, "SortByNameMenu", QStringLiteral("名前で整列"));
  sortByType_ = AddMenuCommand(arrange, "SortByTypeMenu", QStringLiteral("種類で整列"));
  sortByPath_ = AddMenuCommand(arrange, "SortByPathMenu", QStringLiteral("パスで整列"));
  copy_ = AddMenuCommand(this, "CopyMenu", QStringLiteral("コピー(&C)"));
  copy_->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
  copy_->setStatusTip(QStringLiteral("ファイルだけをコピー"));
  copyAlbumInfo_ = AddMenuCommand(this, "CopyAlbumInfoMenu", QStringLiteral("コピー（アルバム情報）"));
  copyAlbumInfo_->setStatusTip(QStringLiteral("サブアルバムやコメントも一緒にコピー"));
  paste_ = AddMenuCommand(this, "PasteMenu2", QStringLiteral("貼り付け(&P)"));
  paste_->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
  addSeparator();
  rename_ = AddMenuCommand(this, "RenameMenu", QStringLiteral("名前"));
  delete_ = AddMenuCommand(this, "DeleteMenu", QStringLiteral("削除(&D)"));
  delete_->setShortcut(QKeySequence(Qt::Key_Delete));
  comment_ = AddMenuCommand(this, "CommentMenu", QStringLiteral("コメントの編集"));
  revert_ = AddMenuCommand(this, "RevertMenu", QStringLiteral("元に戻す(&U)"));
  dayList_ = AddMenuCommand(this, "N34", QStringLiteral("スライドタイプのリストに追加"));
  highQuality_ = AddMenuCommand(this, "HiQuoMenu", QStringLiteral("高画質"));
  highQuality_->setCheckable(true);
  connect(open_, &QAction::triggered, &panel, [&panel] {
    const QVector<int> rows = panel.view()->SelectedRows();
    if (!rows.isEmpty()) panel.OpenFromMenu(rows.front());
  });
  connect(createSubAlbum_, &QAction::triggered, &panel, [&panel] { panel.CreateSubAlbum(""); });
  connect(sortByName_, &QAction::triggered, &panel,
          [&panel] { panel.SortLines(SortOrder::kName); });
  connect(sortByType_, &QAction::triggered, &panel,
          [&panel] { panel.SortLines(SortOrder::kType); });
  connect(sortByPath_, &QAction::triggered, &panel,
          [&panel] { panel.SortLines(SortOrder::kPath); });
  connect(rename_, &QAction::triggered, &panel, &ImageListPanel::RenameSelected);
  connect(delete_, &QAction::triggered, &panel, &ImageListPanel::DeleteSelected);
  connect(comment_, &QAction::triggered, &panel, [&panel] {
    panel.memo()->SetOpen(true);
    panel.memo()->editor()->setFocus();
  });
  connect(revert_, &QAction::triggered, &panel, &ImageListPanel::RevertChanges);
}

void ListPopupMenu::Prepare(const ListPopupFacts& facts) {
  const ListPopupItems items = ListPopupFor(facts);
  addImages_->setVisible(items.addImages);
  open_->setText(ToQString(items.openText));
  open_->setVisible(items.openVisible);
  open_->setEnabled(items.openEnabled);
  createSubAlbum_->setVisible(items.createSubAlbum);
  arrange_->setVisible(items.arrange);
  cut_->setEnabled(items.cutEnabled);
  insert_->setEnabled(items.insertEnabled);
  copy_->setVisible(items.copy);
  copy_->setEnabled(items.copyEnabled);
  copyAlbumInfo_->setVisible(items.copy);
  copyAlbumInfo_->setEnabled(items.copyEnabled);
  paste_->setVisible(items.paste);
  paste_->setEnabled(items.pasteEnabled);
  rename_->setVisible(items.rename);
  rename_->setEnabled(items.renameEnabled);
  delete_->setVisible(items.remove);
  delete_->setEnabled(items.removeEnabled);
  comment_->setVisible(items.editComment);
  revert_->setVisible(items.revert);
  dayList_->setVisible(items.dayList);
}

}  // namespace lumidex
