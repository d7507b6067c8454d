#include "mainwindow/ui/main_menu_bar.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "platform/ui/control_hint.h"

namespace lumidex {
namespace {

QMenu* AddMenu(QMenuBar& bar, const char* name, const QString& caption) {
  QMenu* menu = bar.addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

// A submenu of `menu` whose item carries `name` too.
QMenu* AddSubMenu(QMenu* menu, const char* name, const QString& caption) {
  auto* sub = new QMenu(caption, menu);
  sub->setObjectName(QString::fromLatin1(name));
  menu->addMenu(sub)->setObjectName(QString::fromLatin1(name));
  return sub;
}

}  // namespace

MainMenuItems BuildMainMenu(QMenuBar& bar) {
  bar.setObjectName(QStringLiteral("MainMenu1"));
  MainMenuItems items;

  items.file = AddMenu(bar, "FileMenu", QStringLiteral("ファイル(&F)"));
  items.openFolder = AddMenuCommand(items.file, "N41", QStringLiteral("指定フォルダを開く"),
                             QStringLiteral("フォルダ内の画像を表示する"));
  QMenu* enlarged = AddSubMenu(items.file, "N27", QStringLiteral("拡大画像の保存"));
  items.enlargedSave = enlarged->menuAction();
  items.enlargedSave->setVisible(false);
  items.enlargedFull = AddMenuCommand(enlarged, "ZoomGrpSaveMenu", QStringLiteral("フルサイズ"));
  items.enlargedView = AddMenuCommand(enlarged, "N92", QStringLiteral("ビューサイズ"));
  QMenu* albumData = AddSubMenu(items.file, "AlbumDataMenu", QStringLiteral("アルバムデータ"));
  items.albumData = albumData->menuAction();
  items.importAlbum = AddMenuCommand(albumData, "N17", QStringLiteral("インポート"));
  items.exportAlbum = AddMenuCommand(albumData, "N18", QStringLiteral("エクスポート"));
  items.print = AddMenuCommand(items.file, "Print1", QStringLiteral("印刷(&P)"));
  items.print->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
  items.print->setVisible(false);
  items.file->addSeparator();
  items.exit = AddMenuCommand(items.file, "Exit1", QStringLiteral("終了(&X)"));

  items.edit = AddMenu(bar, "EditMenu", QStringLiteral("編集(&E)"));
  items.undo = AddMenuCommand(items.edit, "Undo1", QStringLiteral("元に戻す(&U)"));
  items.undo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
  items.edit->addSeparator();
  items.copy = AddMenuCommand(items.edit, "Copy5", QStringLiteral("コピー(&C)"));
  items.paste = AddMenuCommand(items.edit, "Paste4", QStringLiteral("貼り付け(&P)"));
  items.edit->addSeparator();
  items.selectAll = AddMenuCommand(items.edit, "AllSelMenu", QStringLiteral("全て選択(&A)"));
  items.selectAll->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
  items.invert = AddMenuCommand(items.edit, "N45", QStringLiteral("選択の切り替え(&I)"));

  items.view = AddMenu(bar, "ViewMenu", QStringLiteral("表示(&V)"));
  items.allAlbums = AddMenuCommand(items.view, "N9", QStringLiteral("全てのアルバム"));
  items.refresh = AddMenuCommand(items.view, "Refresh1", QStringLiteral("最新の情報に更新"));

  items.search = AddMenu(bar, "SearchMenu", QStringLiteral("検索(&F)"));
  items.find = AddMenuCommand(items.search, "Find1", QStringLiteral("検索"));

  items.tools = AddMenu(bar, "ToolMenu", QStringLiteral("ツール(&T)"));
  items.autoRegistration = AddMenuCommand(items.tools, "AutoMenu", QStringLiteral("自動登録(&A)"));
  items.repairMissing = AddMenuCommand(items.tools, "N10", QStringLiteral("不明画像の再設定"));
  items.organise = AddMenuCommand(items.tools, "N22", QStringLiteral("画像の整理"));
  items.passwordChange =
      AddMenuCommand(items.tools, "PassWordChgMenu", QStringLiteral("パスワードの変更"));
  items.passwordChange->setVisible(false);
  items.holidayFile = AddMenuCommand(items.tools, "N91", QStringLiteral("祝日ファイルを開く"),
                              QStringLiteral("祝日ファイルを直接編集します。"));

  items.help = AddMenu(bar, "HelpMenu", QStringLiteral("ヘルプ(&H)"));
  items.helpFile = AddMenuCommand(items.help, "HelpFile1", QStringLiteral("Help File(&H)"));
  items.helpFile->setShortcut(QKeySequence(Qt::Key_F1));
  items.helpFile->setShortcutContext(Qt::ApplicationShortcut);
  return items;
}

}  // namespace lumidex
