#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "album/missing_file_repair.h"
#include "foundation/status.h"

class QAction;

namespace lumidex {

class AlbumStore;
class ImageListPanel;
class TForm1;

// The file tools in the window: the calendar bar's organiser button
// ("画像の整理"), "ツール" -> "不明画像の再設定" (the whole album), and the
// list menu's "指定場所へのファイルコピー", "不明画像の再設定" (the page
// selected in the page list), "ファイルパス名" (the selected entry of the
// open page or sub-album) and "更新日に登録日を設定". Long runs go through
// the window's progress and "中止" with the window's commands locked.
// `albumChanged` rebuilds the views after a repair changed the album (a
// forced year switch of the shown year); `confirmFreeLayoutSave` asks the
// free layout's save question before a repair rewrites free layout
// documents (false: the user cancelled). Main thread only; every argument
// must outlive this object.
class FileToolCommands : public QObject {
  Q_OBJECT

 public:
  FileToolCommands(TForm1& window, ImageListPanel& list, AlbumStore& album,
                   std::function<void()> albumChanged,
                   std::function<bool()> confirmFreeLayoutSave, QObject* parent = nullptr);

  QAction* repairAlbumAction() const { return repairAlbum_; }
  QAction* copyToFolderAction() const { return copyToFolder_; }
  QAction* repairPageAction() const { return repairPage_; }
  QAction* changePathAction() const { return changePath_; }
  QAction* fileDatesAction() const { return fileDates_; }

  void Organise();
  void RepairAlbumCommand();
  void RepairPageCommand();
  void CopyToFolder();
  void ChangePath();
  void SetFileDatesCommand();
  // The calendar menu's "更新日に登録日を設定" for the page of `date`
  // ("yyyy/mm/dd"), after the question.
  void SetPageFileDatesCommand(const std::string& date);

 private:
  void PrepareMenu();
  // Shows the outcome of a repair and rebuilds the views when it changed
  // the album.
  void ReportRepair(const Result<RepairCounts>& counts);
  // The folder to search, asked with the repair prompt from "a-dir"; "" when
  // cancelled.
  std::string AskRepairFolder();
  // The rows selected in the list.
  std::vector<int> SelectedRows() const;

  TForm1& window_;
  ImageListPanel& list_;
  AlbumStore& album_;
  std::function<void()> albumChanged_;
  std::function<bool()> confirmFreeLayoutSave_;
  QAction* repairAlbum_;
  QAction* copyToFolder_;
  QAction* repairPage_;
  QAction* changeMenu_;  // "変更", holding "ファイルパス名"
  QAction* changePath_;
  QAction* fileDates_;
};

}  // namespace lumidex
