#pragma once

class QAction;
class QMenu;
class QMenuBar;

namespace lumidex {

// The menus and items of the main menu `MainMenu1`, each with its object
// name, caption and shortcut. The bar only builds them: the window and the
// commands of the album's views connect the operations, and the main menu
// commands decide which items are offered when a menu opens. The bar owns
// every menu and item.
struct MainMenuItems {
  QMenu* file = nullptr;    // "ファイル(&F)"
  QMenu* edit = nullptr;    // "編集(&E)"
  QMenu* view = nullptr;    // "表示(&V)"
  QMenu* search = nullptr;  // "検索(&F)"
  QMenu* tools = nullptr;   // "ツール(&T)"
  QMenu* help = nullptr;    // "ヘルプ(&H)"

  QAction* openFolder = nullptr;    // N41 "指定フォルダを開く"
  QAction* enlargedSave = nullptr;  // N27 "拡大画像の保存" (the submenu's item)
  QAction* enlargedFull = nullptr;  // ZoomGrpSaveMenu "フルサイズ"
  QAction* enlargedView = nullptr;  // N92 "ビューサイズ"
  QAction* albumData = nullptr;     // "アルバムデータ" (the submenu's item)
  QAction* importAlbum = nullptr;   // N17 "インポート"
  QAction* exportAlbum = nullptr;   // N18 "エクスポート"
  QAction* print = nullptr;         // Print1 "印刷(&P)" Ctrl+P
  QAction* exit = nullptr;          // Exit1 "終了(&X)"

  QAction* undo = nullptr;       // Undo1 "元に戻す(&U)" Ctrl+Z
  QAction* copy = nullptr;       // Copy5 "コピー(&C)"
  QAction* paste = nullptr;      // Paste4 "貼り付け(&P)"
  QAction* selectAll = nullptr;  // AllSelMenu "全て選択(&A)" Ctrl+A
  QAction* invert = nullptr;     // N45 "選択の切り替え(&I)"

  QAction* allAlbums = nullptr;  // N9 "全てのアルバム"
  QAction* refresh = nullptr;    // Refresh1 "最新の情報に更新"

  QAction* find = nullptr;  // Find1 "検索"

  QAction* autoRegistration = nullptr;  // AutoMenu "自動登録(&A)"
  QAction* repairMissing = nullptr;     // N10 "不明画像の再設定"
  QAction* organise = nullptr;          // N22 "画像の整理"
  QAction* passwordChange = nullptr;    // PassWordChgMenu "パスワードの変更"
  QAction* holidayFile = nullptr;       // N91 "祝日ファイルを開く"

  QAction* helpFile = nullptr;  // HelpFile1 "Help File(&H)" F1
};

// Builds the menus on `bar` (named `MainMenu1`) in the order of the main
// menu. Items other commands add later go at the end of their menu: the
// desktop shortcut repair after "祝日ファイルを開く", the version box after
// "Help File(&H)".
MainMenuItems BuildMainMenu(QMenuBar& bar);

}  // namespace lumidex
