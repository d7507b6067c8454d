#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>

#include "freelayout/free_layout_clipboard.h"
#include "freelayout/free_picture.h"

class QAction;
class QFileSystemWatcher;
class QMenu;

namespace lumidex {

class FreeLayoutCanvas;

// The editing commands of the free layout canvas: its item menu and canvas
// menu, Ctrl+C / Ctrl+X / Ctrl+V, adding pictures (file dialog, drop, paste
// of files) and texts, stacking, alignment, arrangement ("imgspace"), the
// rotation bar, the text dialog, the shooting-information texts, opening a
// picture in the image editor (the canvas is drawn again when the file
// changes) and the request of the repair pass. Every change goes through
// FreeLayoutCanvas::Edit, so it can be undone. Main thread only; the canvas
// must outlive the commands.
class FreeLayoutCommands : public QObject {
  Q_OBJECT

 public:
  explicit FreeLayoutCommands(FreeLayoutCanvas& canvas, QObject* parent = nullptr);
  ~FreeLayoutCommands() override;

  // "imgspace", "g-tool" and "a-dir".
  void SetSettings(int imgspace, std::string gTool, std::string aDir);
  // How texts are drawn (the text dialog's preview).
  void SetLook(const FreePictureLook& look) { look_ = look; }
  // How the pixel size of a picture file is found (same scale, keep
  // proportions); nothing when it does not decode.
  using PictureSizeOf = std::function<std::optional<ItemPixelSize>(const std::string& path)>;
  void SetPictureSizeOf(PictureSizeOf pictureSizeOf) { pictureSizeOf_ = std::move(pictureSizeOf); }
  // "a-dir": where the file and folder choosers start.
  const std::string& aDir() const { return aDir_; }

  // The commands, also for tests and the window's menus.
  void AddText(const QString& text, const QPoint& point);
  // Adds the picture files among `files` (at most 11); reports what was left out.
  void AddFiles(const QStringList& files, const QPoint& point);
  void AddPicturesFromDialog();
  void Copy(bool cut);
  void Paste();
  void EditText(int index);
  void Rotate(int index);
  void AddExifTexts();
  // Opens the picture of item `index` in "g-tool" (or, with
  // `desktopEditor` or when it cannot be run, the desktop's first image
  // editor); the canvas is drawn again when the file changes. With a
  // picture editor set, that editor opens it instead.
  void OpenInEditor(int index, bool desktopEditor);
  // The window's external editing, which the item menu's "画像の編集(&E)"
  // hands its picture to (with `desktopEditor` for "ペイント"): it waits for
  // the editor and renews the picture's thumbnails and views itself.
  using PictureEditor = std::function<void(const std::string& picture, bool desktopEditor)>;
  void SetPictureEditor(PictureEditor editor) { pictureEditor_ = std::move(editor); }
  void BringBackOutside();

 signals:
  // A message for the user (what a paste or drop could not add).
  void problem(const QString& message);
  // "不明ファイルの再設定" was chosen.
  void repairRequested();
  // A picture file changed on disk (edited): its drawing must be made anew.
  void pictureChanged();

 private:
  void ShowItemMenu(int index, const QPoint& globalPos);
  void ShowCanvasMenu(const QPoint& globalPos);
  void Activate(int index);
  void Dropped(const QStringList& files, const QString& text, const QPoint& point);
  // Sets `flag` on the selected pictures whose files exist.
  void ToggleFlag(bool FreeLayoutItem::*flag, bool on);
  // The picture sizes of the selected pictures of `items` (PictureSizes).
  std::vector<std::optional<ItemPixelSize>> SelectedPictureSizes(const std::vector<FreeLayoutItem>& items) const;

  FreeLayoutCanvas& canvas_;
  CopiedItems copied_;
  int imgspace_ = 16;
  std::string gTool_;
  std::string aDir_;
  FreePictureLook look_;
  PictureSizeOf pictureSizeOf_;
  PictureEditor pictureEditor_;
  QFileSystemWatcher* watcher_ = nullptr;
};

}  // namespace lumidex
