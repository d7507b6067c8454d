#pragma once

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QSize>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "imagelist/list_worker.h"

class QTreeWidget;

namespace lumidex {

class ListWorkerTimer;

// The pictures of the album list window's rows, made by a list worker for
// the rows in sight only, so a list of a year's 100,000 files opens at
// once: the file type's small icon, and in icon view a 32 x 32 picture of
// the row's file; a row whose file is gone reads grey. Rows keep their
// pictures until the rows are replaced.
// Main thread only; the list must outlive this object.
class AlbumListPictures : public QObject, public ListWorkerClient {
  Q_OBJECT

 public:
  // The picture of a file at about the given size; null when there is none.
  using PictureOf = std::function<QImage(const std::string& path, QSize bound)>;

  AlbumListPictures(QTreeWidget& list, PictureOf picture, QObject* parent = nullptr);
  ~AlbumListPictures() override;

  // The rows' files, in the order of the list's items ("" for none); the
  // rows in sight get their pictures next.
  void SetPaths(std::vector<std::string> paths);
  // Rows added below the others (a search still running).
  void AppendPaths(std::vector<std::string> paths);
  void SetIconView(bool on);
  bool iconView() const { return iconView_; }
  // Ends the worker (the window closes).
  void Stop();

  static constexpr QSize kIconViewSize{32, 32};

 private:
  int VisibleFirst() const override;
  int VisibleLast() const override;
  void PrepareItem(int index) override;
  int IdleRound(int round, bool rangeWorked) override;
  void Restart();
  QIcon TypeIcon(const std::string& path);

  QTreeWidget& list_;
  PictureOf picture_;
  std::vector<std::string> paths_;
  // Per row: 0 nothing yet, 1 the type icon, 2 the icon view's picture;
  // the file's existence is looked at with the first.
  std::vector<unsigned char> made_;
  QHash<QString, QIcon> typeIcons_;
  bool iconView_ = false;
  std::unique_ptr<ListWorker> worker_;
  ListWorkerTimer* timer_ = nullptr;
};

}  // namespace lumidex
