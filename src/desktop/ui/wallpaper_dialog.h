#pragma once

#include <QDialog>
#include <functional>

#include "foundation/status.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;

namespace lumidex {

class DesktopWallpaper;

// The wallpaper dialog ("デスクトップの背景変更", `TDayListDlg` in its
// wallpaper form): the file to use in `Edit1` with its preview `Image1`,
// the style box `ComboBox2` and the list `ListBox1` of earlier wallpapers
// (the wallpaper folder) headed by "[ 設定解除 ]".
//
// OK with an empty `Edit1` removes the wallpaper; with the path of an
// existing file it makes that file the wallpaper in the chosen style; with
// any other text it says that the file does not exist and changes nothing.
// A change that fails is shown and the dialog stays open; a change that
// succeeds closes it. Cancel changes nothing. Main thread only; `wallpaper`
// must outlive the dialog.
class WallpaperDialog : public QDialog {
  Q_OBJECT

 public:
  // `picture` is the picture selected in the image list, or "" when none is.
  // The style box shows the style the desktop uses now.
  WallpaperDialog(DesktopWallpaper& wallpaper, const QString& picture, QWidget* parent = nullptr);

  // Shows the help topic "DsktopBackGrp" through `help`.
  void SetHelp(std::function<void(const QString&)> help) { help_ = std::move(help); }

  QLineEdit* edit() const { return edit_; }
  QComboBox* styleBox() const { return styleBox_; }
  QListWidget* list() const { return list_; }
  QLabel* preview() const { return preview_; }
  QMenu* listMenu() const { return listMenu_; }

  // The list's "削除(&D)": deletes the files of the selected items but the
  // first from the wallpaper folder and removes their items.
  void DeleteSelected();

  void accept() override;

 private:
  void FillList();
  void ShowPreview(const QString& path);
  void ItemClicked(QListWidgetItem* item);
  void ItemDoubleClicked(QListWidgetItem* item);
  void ShowListMenu(const QPoint& at);
  bool Report(const Status& status);

  DesktopWallpaper& wallpaper_;
  const QString picture_;
  QLineEdit* edit_ = nullptr;
  QLabel* preview_ = nullptr;
  QComboBox* styleBox_ = nullptr;
  QListWidget* list_ = nullptr;
  QMenu* listMenu_ = nullptr;
  std::function<void(const QString&)> help_;
};

}  // namespace lumidex
