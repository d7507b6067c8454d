#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "mainwindow/main_menu_rules.h"

class QAction;

namespace lumidex {

class AlbumListCommands;
class AlbumStore;
class DetailListPanel;
class FreeLayoutView;
class ImageListPanel;
class PictureViews;
class TForm1;

// The main menu's own commands and its rules in the window: "元に戻す(&U)"
// reverts the open page or sub-album, "コピー(&C)" and "貼り付け(&P)" copy
// and paste free layout items, "全て選択(&A)" and "選択の切り替え(&I)" select
// all or invert in the free layout while it is shown, else in the list with
// the focus (the image list, the shown detail list or the album list
// window's list), "最新の情報に更新" draws the free layout tab again from its
// files, "指定フォルダを開く" lists the pictures below a chosen folder and
// "祝日ファイルを開く" opens the general holiday file in the text editor.
// Each time a menu opens, and before a key reaches the shortcuts, the
// window's state is gathered and every item offered as MainMenuOfferFor
// says. The other items are served by the commands that own their
// operations. The "他のボタン" tool panel holds the free layout's items of
// the menu as buttons.
//
// Main thread only; everything given must outlive this object, which the
// window owns.
class MainMenuCommands : public QObject {
  Q_OBJECT

 public:
  MainMenuCommands(TForm1& window, ImageListPanel& list, AlbumStore& album,
                   FreeLayoutView& freeLayout, DetailListPanel& detailList,
                   AlbumListCommands& albumList, PictureViews& pictures);

  // Asks for a folder over the window, starting at `start`; "" when
  // cancelled. Tests replace the file dialog.
  using FolderChooser =
      std::function<QString(QWidget* parent, const QString& caption, const QString& start)>;
  void SetFolderChooser(FolderChooser chooser) { chooseFolder_ = std::move(chooser); }
  // Opens a text file in the editor. Tests replace the desktop's editor.
  using TextOpener = std::function<void(const QString& path)>;
  void SetTextOpener(TextOpener opener) { openText_ = std::move(opener); }

  // The state the rules go by, as the window shows it now.
  MainMenuState State() const;
  // Offers every state-dependent item as the rules say for State().
  void ApplyOffer();

  // "全て選択(&A)" (`invert` false) and "選択の切り替え(&I)".
  void SelectItems(bool invert);
  // "指定フォルダを開く".
  void OpenFolder();
  // "祝日ファイルを開く".
  void OpenHolidayFile();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SelectionTarget Target() const;
  void SelectInFreeLayout(bool invert);
  void BuildToolPanel();

  TForm1& window_;
  ImageListPanel& list_;
  AlbumStore& album_;
  FreeLayoutView& freeLayout_;
  DetailListPanel& detailList_;
  AlbumListCommands& albumList_;
  PictureViews& pictures_;
  FolderChooser chooseFolder_;
  TextOpener openText_;
  QString lastFolder_;  // the folder "指定フォルダを開く" chose last
  // The tool panel's buttons beside the items they run.
  std::vector<std::pair<QAction*, QAction*>> toolButtons_;
};

}  // namespace lumidex
