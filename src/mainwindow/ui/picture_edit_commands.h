#pragma once

#include <QElapsedTimer>
#include <QIcon>
#include <QObject>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "mainwindow/picture_editing.h"

class QAction;
class QFileSystemWatcher;
class QMenu;
class QProcess;

namespace lumidex {

class AlbumStore;
class ImageListPanel;
class PictureViews;
class TForm1;
class ThumbnailCache;

// External picture editing: the list menu's "画像の編集" ("ツールを開く",
// "ペイント", "編集ツールの選択") and the preview card's
// "編集ツールを開く(&E)". The picture (PictureToEdit) is opened in the
// program (EditorProgram), run without a shell with the path as its one
// argument. While the program runs the window is disabled (it keeps
// handling its events); when the process ends the window is enabled and
// the picture's thumbnails are renewed: the disk cache file is written
// again, the list's thumbnail in memory replaced, the item redrawn, and the
// picture view and the preview card show the picture again. A process that
// ends within kEditorHandOffMs handed the file to an editor that was already
// running: the file is then watched, and every later change of it renews
// the thumbnails again (for as long as the window runs).
//
// "編集ツールの選択" stores the chosen program as "g-tool" (written with the
// other settings); the tool's icon (its desktop entry's, else the file's
// type icon) stands beside the items that run it.
//
// Main thread only. The window, list, store and views must outlive it;
// `cache` may be null.
class PictureEditCommands : public QObject {
  Q_OBJECT

 public:
  PictureEditCommands(TForm1& window, ImageListPanel& list, AlbumStore& album, PictureViews& views,
                      ThumbnailCache* cache, QObject* parent);
  ~PictureEditCommands() override;

  // Opens the picture of the list's selection in `choice`'s program. False
  // when nothing was started (no existing picture, no program, one editor
  // already running, the start failed: the last two say so).
  bool EditSelected(EditorChoice choice);
  // Opens `picture` in `choice`'s program; as EditSelected.
  bool Edit(const std::string& picture, EditorChoice choice);
  // "編集ツールの選択": the file dialog, then the setting and the icons.
  void ChooseTool();
  // Renews every thumbnail of `picture` (see the class comment); with
  // `page` ("mm/dd", the page whose cover it is) also the page's summary,
  // which the page list and the day cell draw.
  void RenewThumbnails(const std::string& picture, const std::string& page = {});
  // Whether an editor started here still runs.
  bool editorRunning() const { return process_ != nullptr; }

  QAction* toolAction() const { return tool_; }
  QAction* paintAction() const { return paint_; }
  QAction* chooseAction() const { return choose_; }
  QMenu* editMenu() const { return menu_; }

 signals:
  // The editor of `picture` ended (or a watched file changed) and its
  // thumbnails were renewed.
  void thumbnailsRenewed(const QString& picture);

 private:
  void PrepareMenu();
  void OnFinished();
  void OnWatchedFileChanged(const QString& path);
  void ShowToolIcon();
  // The picture of the selection, and in the page list the selected page.
  std::string SelectedPicture(std::string* page) const;

  TForm1& window_;
  ImageListPanel& list_;
  AlbumStore& album_;
  PictureViews& views_;
  ThumbnailCache* const cache_;
  QMenu* menu_ = nullptr;
  QAction* menuAction_ = nullptr;
  QAction* tool_ = nullptr;
  QAction* paint_ = nullptr;
  QAction* choose_ = nullptr;
  QAction* previewEdit_ = nullptr;
  QProcess* process_ = nullptr;
  std::string editing_;      // the picture the running editor has
  std::string editingPage_;  // the page whose cover it is, "" for an entry
  // The page of each watched cover ("" for entries).
  std::vector<std::pair<std::string, std::string>> watchedPages_;
  QElapsedTimer started_;
  QFileSystemWatcher* watcher_ = nullptr;
  EditedFileWatch watch_;
};

}  // namespace lumidex
